// SPDX-License-Identifier: MIT
#include "ui/detail/projectdetailview.h"

#include "app/appmodel.h"
#include "app/presentation.h"
#include "app/statusrefresher.h"
#include "i18n/localization.h"
#include "ui/board/kanbanview.h"
#include "ui/desktop/uicontext.h"
#include "ui/detail/commitsuggestionsheet.h"
#include "ui/detail/detailheader.h"
#include "ui/detail/historyrows.h"
#include "ui/detail/rowsbox.h"
#include "ui/detail/statuschiprow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

ProjectDetailView::ProjectDetailView(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_scroll(new QScrollArea(this))
    , m_content(new QWidget)
    , m_header(new DetailHeader(context, m_content))
    , m_chips(new StatusChipRow(m_content))
    , m_board(new KanbanView(context, m_content))
    , m_deploys(new RowsBox(u"cloud"_s, m_content))
    , m_commits(new RowsBox(u"arrow.triangle.branch"_s, m_content))
    , m_ticker(new QTimer(this))
{
    setObjectName(u"projectDetailView"_s);
    m_scroll->setObjectName(u"projectDetailScroll"_s);
    m_deploys->setObjectName(u"deployHistoryBox"_s);
    m_commits->setObjectName(u"recentCommitsBox"_s);

    auto *boxes = new QHBoxLayout;
    boxes->setSpacing(16);
    boxes->addWidget(m_deploys, 1, Qt::AlignTop);
    boxes->addWidget(m_commits, 1, Qt::AlignTop);

    auto *column = new QVBoxLayout(m_content);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(20);
    column->addWidget(m_header);
    column->addWidget(m_chips);
    column->addWidget(m_board);
    column->addLayout(boxes);
    column->addStretch(1);

    m_scroll->setWidget(m_content);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls; the page follows them
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);

    connect(m_header, &DetailHeader::editRequested, this,
            [this] { Q_EMIT editRequested(m_projectID); });
    connect(&context.model, &AppModel::projectsChanged, this, &ProjectDetailView::refresh);
    connect(&context.model, &AppModel::runtimeChanged, this, [this](const QUuid &projectID) {
        if (projectID == m_projectID)
            refresh();
    });
    // "před 25 min" in the chips, the deploy history and the commits keeps up while shown.
    m_ticker->setObjectName(u"relativeTimeTicker"_s);
    m_ticker->setInterval(30s);
    connect(m_ticker, &QTimer::timeout, this, &ProjectDetailView::refresh);
    connect(&context.model, &AppModel::commitSuggestionCardChanged, this,
            &ProjectDetailView::scheduleSuggestion);
    retranslate();
}

ProjectDetailView::~ProjectDetailView() = default;

CommitSuggestionSheet *ProjectDetailView::commitSuggestionSheet() const
{
    return m_suggestion;
}

void ProjectDetailView::setProject(const QUuid &projectID)
{
    const bool another = projectID != m_projectID;
    m_projectID = projectID;
    if (another) {
        m_board->setProject(projectID);
        m_scroll->verticalScrollBar()->setValue(0);
    }
    refresh();
}

void ProjectDetailView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ProjectDetailView::retranslate()
{
    m_deploys->setTitle(L(u"Historie deployů"_s));
    m_commits->setTitle(L(u"Poslední commity"_s));
    refresh();
}

void ProjectDetailView::refresh()
{
    const std::optional<ProjectConfig> project = m_context.model.project(m_projectID);
    m_content->setVisible(project.has_value());
    if (!project)
        return;
    const ProjectRuntime runtime = m_context.model.runtime().value(m_projectID);
    const QDateTime now = m_context.model.now();
    const DeployService *deploysTo = m_context.model.services().deployServiceOf(*project);
    m_header->setProject(*project);
    m_chips->setStatus(deploysTo, runtime, now);

    if (runtime.deploys.isEmpty()) {
        m_deploys->showEmpty(deploysTo && !deploysTo->emptyHistoryText.isEmpty()
                                 ? L(deploysTo->emptyHistoryText)
                                 : L(u"Projekt nemá napojené Netlify."_s));
    } else {
        m_deploys->showRows(HistoryRows::deploys(runtime.deploys, now, palette()));
    }
    if (runtime.commits.isEmpty())
        m_commits->showEmpty(L(u"Žádné commity — repo je prázdné nebo bez gitu."_s));
    else
        m_commits->showRows(HistoryRows::commits(runtime.commits, now, palette()));
}

void ProjectDetailView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // What passed while the page was hidden shows at once, then minute by minute.
    refresh();
    m_ticker->start();
    scheduleSuggestion();
}

void ProjectDetailView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_ticker->stop();
}

// Presented from the event loop, not from inside the operation that raised it (a drop, a menu).
void ProjectDetailView::scheduleSuggestion()
{
    if (m_suggestionScheduled)
        return;
    m_suggestionScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_suggestionScheduled = false;
        showSuggestion();
    });
}

void ProjectDetailView::showSuggestion()
{
    const std::optional<TaskCard> card = m_context.model.commitSuggestionCard();
    if (!card) {
        if (m_suggestion)
            m_suggestion->close();
        return;
    }
    if (!isVisible())
        return;
    if (!m_suggestion) {
        m_suggestion = new CommitSuggestionSheet(m_context, window());
        AppModel &model = m_context.model;
        connect(m_suggestion, &QDialog::finished, &model,
                [&model] { model.clearCommitSuggestion(); });
        m_suggestion->present(*card);
        m_suggestion->open();
    } else if (m_suggestion->cardID() != card->id) {
        m_suggestion->present(*card);
    }
}
