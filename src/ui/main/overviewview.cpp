// SPDX-License-Identifier: MIT
#include "ui/main/overviewview.h"

#include "app/appmodel.h"
#include "i18n/localization.h"
#include "ui/desktop/uicontext.h"
#include "ui/main/attentionsection.h"
#include "ui/main/nomatchview.h"
#include "ui/main/overviewheader.h"
#include "ui/main/overviewmodel.h"
#include "ui/main/projectgrid.h"
#include "ui/main/ratelimitnotice.h"
#include "ui/main/statsrow.h"
#include "ui/main/tokenbanner.h"
#include "ui/main/updatebanner.h"
#include "ui/main/welcomeview.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int edge = 24; // from the page's edge to the content

} // namespace

OverviewView::OverviewView(UiContext &context, QWidget *parent)
    : QScrollArea(parent)
    , m_context(context)
    , m_model(new OverviewModel(context.model, this))
    , m_header(new OverviewHeader(context))
    , m_update(new UpdateBanner(context))
    , m_stats(new StatsRow(context))
    , m_token(new TokenBanner(context))
    , m_rateLimit(new RateLimitNotice(context))
    , m_attention(new AttentionSection(context))
    , m_welcome(new WelcomeView)
    , m_noMatch(new NoMatchView)
    , m_grid(new ProjectGrid(*m_model, context.desktop))
    , m_column(new QWidget)
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
    const int cardMargin = ProjectCardDelegate::cellMargin;
    auto *column = new QVBoxLayout;
    column->setContentsMargins(cardMargin, 0, cardMargin, 0);
    column->setSpacing(16);
    column->addWidget(m_header);
    column->addWidget(m_update);
    column->addWidget(m_stats);
    column->addWidget(m_token);
    column->addWidget(m_rateLimit);
    column->addWidget(m_attention);
    column->addWidget(m_welcome);
    column->addWidget(m_noMatch);
    auto *columnLayout = new QVBoxLayout(m_column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(16 - cardMargin);
    columnLayout->addLayout(column);
    columnLayout->addWidget(m_grid);
    columnLayout->addStretch(1);
    auto *layout = new QHBoxLayout(content);
    layout->setContentsMargins(edge - cardMargin, 20, edge - cardMargin, edge - cardMargin);
    layout->setSpacing(0);
    layout->addWidget(m_column, 1);
    layout->addStretch(0);
    setWidget(content);

    connect(m_grid, &ProjectGrid::projectActivated, this, &OverviewView::projectActivated);
    connect(m_attention, &AttentionSection::projectActivated, this,
            &OverviewView::projectActivated);
    connect(m_welcome, &WelcomeView::addProjectRequested, this, &OverviewView::addProjectRequested);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &OverviewView::updateContent);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &OverviewView::updateContent);
    connect(&context.model, &AppModel::projectsChanged, this, &OverviewView::updateContent);
    retranslate();
    updateContent();
}

OverviewView::~OverviewView() = default;

void OverviewView::setStatusFilter(const std::optional<ProjectStatus> &filter)
{
    m_model->setStatusFilter(filter);
    updateContent();
}

void OverviewView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QScrollArea::changeEvent(event);
}

void OverviewView::retranslate()
{
    // The cards word themselves as they are painted, which the language change asks for.
    m_grid->setAccessibleName(L(u"Projekty"_s));
}

void OverviewView::updateContent()
{
    const bool none = m_context.model.projects().isEmpty();
    const bool noMatch = !none && m_model->rowCount() == 0;
    m_welcome->setVisible(none);
    m_noMatch->setVisible(noMatch);
    m_grid->setVisible(!none && !noMatch);
    fitColumn();
}

void OverviewView::fitColumn()
{
    // With cards, the column is as wide as its card columns, so banners and the header end
    // where the cards end instead of past them.
    int width = QWIDGETSIZE_MAX;
    if (m_grid->isVisibleTo(this)) {
        const int available = viewport()->width() - 2 * (edge - ProjectCardDelegate::cellMargin);
        const ProjectGrid::Columns columns = ProjectGrid::columnsFor(available);
        // One pixel more: the list view wraps a row that fills its width exactly.
        width = columns.count * (columns.cardWidth + 2 * ProjectCardDelegate::cellMargin) + 1;
    }
    if (m_column->maximumWidth() != width)
        m_column->setMaximumWidth(width);
}

void OverviewView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    fitColumn();
}
