// SPDX-License-Identifier: MIT
#include "ui/main/overviewview.h"

#include "app/appmodel.h"
#include "locale/preferences.h"
#include "ui/main/attentionsection.h"
#include "ui/main/nomatchview.h"
#include "ui/main/overviewheader.h"
#include "ui/main/overviewmodel.h"
#include "ui/main/projectgrid.h"
#include "ui/main/statsrow.h"
#include "ui/main/tokenbanner.h"
#include "ui/main/updatebanner.h"
#include "ui/main/welcomeview.h"
#include "ui/shell/uicontext.h"

#include <QVBoxLayout>

using namespace Qt::StringLiterals;

OverviewView::OverviewView(UiContext &context, QWidget *parent)
    : QScrollArea(parent)
    , m_context(context)
    , m_model(new OverviewModel(context.model, this))
    , m_header(new OverviewHeader(context))
    , m_update(new UpdateBanner(context))
    , m_stats(new StatsRow(context))
    , m_token(new TokenBanner(context))
    , m_attention(new AttentionSection(context))
    , m_welcome(new WelcomeView)
    , m_noMatch(new NoMatchView)
    , m_grid(new ProjectGrid(*m_model, context.desktop))
{
    setObjectName(u"overviewView"_s);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *content = new QWidget;
    content->setObjectName(u"overviewContent"_s);
    content->setBackgroundRole(QPalette::Base);
    content->setAutoFillBackground(true);
    // The cards carry half their spacing around them; everything else gets it here, so all
    // edges line up.
    const int edge = 24;
    const int cardMargin = ProjectCardDelegate::cellMargin;
    auto *column = new QVBoxLayout;
    column->setContentsMargins(cardMargin, 0, cardMargin, 0);
    column->setSpacing(16);
    column->addWidget(m_header);
    column->addWidget(m_update);
    column->addWidget(m_stats);
    column->addWidget(m_token);
    column->addWidget(m_attention);
    column->addWidget(m_welcome);
    column->addWidget(m_noMatch);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(edge - cardMargin, 20, edge - cardMargin, edge - cardMargin);
    layout->setSpacing(16 - cardMargin);
    layout->addLayout(column);
    layout->addWidget(m_grid);
    layout->addStretch(1);
    setWidget(content);

    connect(m_grid, &ProjectGrid::projectActivated, this, &OverviewView::projectActivated);
    connect(m_attention, &AttentionSection::projectActivated, this,
            &OverviewView::projectActivated);
    connect(m_welcome, &WelcomeView::addProjectRequested, this, &OverviewView::addProjectRequested);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &OverviewView::updateContent);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &OverviewView::updateContent);
    connect(&context.model, &AppModel::projectsChanged, this, &OverviewView::updateContent);
    connect(&context.preferences, &Preferences::languageChanged, this, &OverviewView::retranslate);
    updateContent();
}

OverviewView::~OverviewView() = default;

void OverviewView::setStatusFilter(const std::optional<ProjectStatus> &filter)
{
    m_model->setStatusFilter(filter);
    updateContent();
}

void OverviewView::retranslate()
{
    m_header->retranslate();
    m_update->retranslate();
    m_stats->retranslate();
    m_token->retranslate();
    m_attention->retranslate();
    m_welcome->retranslate();
    m_noMatch->retranslate();
    m_grid->viewport()->update();
}

void OverviewView::updateContent()
{
    const bool none = m_context.model.projects().isEmpty();
    const bool noMatch = !none && m_model->rowCount() == 0;
    m_welcome->setVisible(none);
    m_noMatch->setVisible(noMatch);
    m_grid->setVisible(!none && !noMatch);
}
