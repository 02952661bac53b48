// SPDX-License-Identifier: MIT
#include "ui/main/mainview.h"

#include "app/appmodel.h"
#include "i18n/formatters.h"
#include "model/jsonfields.h"
#include "model/recordjson.h"
#include "services/preferences.h"
#include "ui/desktop/appcommands.h"
#include "ui/desktop/uicontext.h"
#include "ui/detail/projectdetailview.h"
#include "ui/editor/projecteditor.h"
#include "ui/editor/removalconfirmation.h"
#include "ui/main/overviewview.h"
#include "ui/main/renamefoldersheet.h"
#include "ui/main/sidebar.h"
#include "ui/main/storenotices.h"
#include "ui/settings/settingssheet.h"

#include <QEvent>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int sidebarWidth = 230;

} // namespace

MainView::MainView(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_splitter(new QSplitter(Qt::Horizontal))
    , m_sidebar(new Sidebar(context))
    , m_notices(new StoreNotices(context))
    , m_stack(new QStackedWidget)
    , m_overview(new OverviewView(context))
    , m_detail(new ProjectDetailView(context))
{
    setObjectName(u"mainView"_s);
    m_stack->addWidget(m_overview);
    m_stack->addWidget(m_detail);

    auto *detailArea = new QWidget;
    detailArea->setObjectName(u"detailArea"_s);
    detailArea->setBackgroundRole(QPalette::Base);
    detailArea->setAutoFillBackground(true);
    auto *detailLayout = new QVBoxLayout(detailArea);
    detailLayout->setContentsMargins(0, 0, 0, 0);
    detailLayout->setSpacing(0);
    detailLayout->addWidget(m_notices);
    detailLayout->addWidget(m_stack, 1);

    m_splitter->setObjectName(u"mainSplitter"_s);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(1);
    m_splitter->addWidget(m_sidebar);
    m_splitter->addWidget(detailArea);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({sidebarWidth, 1000});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);

    connect(m_sidebar, &Sidebar::selectionRequested, this, &MainView::select);
    connect(m_sidebar, &Sidebar::statusFilterChosen, this, &MainView::setStatusFilter);
    connect(m_sidebar, &Sidebar::editRequested, this, &MainView::openEditor);
    connect(m_sidebar, &Sidebar::removeRequested, this, &MainView::confirmRemoval);
    connect(m_sidebar, &Sidebar::renameFolderRequested, this, &MainView::openRenameFolder);
    connect(m_sidebar, &Sidebar::newProjectRequested, this, &MainView::openNewProject);
    connect(m_sidebar, &Sidebar::settingsRequested, this, &MainView::openSettings);
    connect(m_overview, &OverviewView::projectActivated, this,
            [this](const QUuid &id) { select(id); });
    connect(m_overview, &OverviewView::addProjectRequested, this, &MainView::openNewProject);
    connect(m_detail, &ProjectDetailView::editRequested, this, &MainView::openEditor);
    connect(&context.model, &AppModel::projectsChanged, this, &MainView::followProjects);
    connect(context.desktop.commands, &AppCommands::newProjectRequested, this,
            &MainView::openNewProject);
    connect(context.desktop.commands, &AppCommands::newFolderRequested, m_sidebar,
            &Sidebar::showNewFolderField);
    connect(context.desktop.commands, &AppCommands::refreshRequested, this,
            [this] { m_context.model.refreshes().requestRefresh(); });
    setLocale(Formatters::interfaceLocale());
}

MainView::~MainView() = default;

void MainView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_restored)
        return;
    m_restored = true;
    if (m_selection)
        return;
    const std::optional<QString> stored = m_context.preferences.lastSelection();
    const std::optional<QUuid> id = stored ? parseUuidText(*stored) : std::nullopt;
    if (id && m_context.model.project(*id))
        select(id);
}

void MainView::select(const std::optional<QUuid> &projectID)
{
    std::optional<QUuid> shown = projectID;
    if (shown && !m_context.model.project(*shown))
        shown.reset();
    m_selection = shown;
    m_context.preferences.setLastSelection(shown ? RecordJson::uuidText(*shown) : QString());
    m_sidebar->select(shown);
    if (shown) {
        m_detail->setProject(*shown);
        m_stack->setCurrentWidget(m_detail);
    } else {
        m_stack->setCurrentWidget(m_overview);
    }
}

QWidget *MainView::currentDetail() const
{
    return m_stack->currentWidget();
}

void MainView::setStatusFilter(const std::optional<ProjectStatus> &filter)
{
    m_statusFilter = filter;
    m_sidebar->setStatusFilter(filter);
    m_overview->setStatusFilter(filter);
}

void MainView::followProjects()
{
    // A project that is gone (removed here, in the editor, or by a restored backup) leaves
    // the overview in its place.
    if (m_selection && !m_context.model.project(*m_selection))
        select(std::nullopt);
}

void MainView::changeEvent(QEvent *event)
{
    // Dates and pickers inside follow the interface language; the default locale that the
    // language switch sets reaches only widgets made after it.
    if (event->type() == QEvent::LanguageChange)
        setLocale(Formatters::interfaceLocale());
    QWidget::changeEvent(event);
}

void MainView::openNewProject()
{
    openProjectEditor(std::nullopt);
}

void MainView::openEditor(const QUuid &projectID)
{
    if (m_context.model.project(projectID))
        openProjectEditor(projectID);
}

void MainView::openProjectEditor(const std::optional<QUuid> &projectID)
{
    if (m_editor) {
        m_editor->raise();
        m_editor->activateWindow();
        return;
    }
    const std::optional<ProjectConfig> existing =
        projectID ? m_context.model.project(*projectID) : std::nullopt;
    m_editor = new ProjectEditor(m_context, existing, this);
    m_editor->open();
}

void MainView::openSettings()
{
    if (m_settings) {
        m_settings->raise();
        m_settings->activateWindow();
        return;
    }
    m_settings = new SettingsSheet(m_context, this);
    m_settings->open();
}

void MainView::openRenameFolder(const QUuid &folderID)
{
    if (!m_context.model.folder(folderID))
        return;
    auto *sheet = new RenameFolderSheet(m_context, folderID, this);
    sheet->open();
}

void MainView::confirmRemoval(const QUuid &projectID)
{
    if (!m_context.model.project(projectID))
        return;
    RemovalConfirmation::ask(this, [this, projectID] {
        const std::optional<ProjectConfig> project = m_context.model.project(projectID);
        if (!project)
            return;
        if (m_selection == projectID)
            select(std::nullopt);
        m_context.model.removeProject(*project);
    });
}
