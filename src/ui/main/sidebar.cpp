// SPDX-License-Identifier: MIT
#include "ui/main/sidebar.h"

#include "app/appmodel.h"
#include "app/presentation.h"
#include "app/sortindex.h"
#include "i18n/localization.h"
#include "services/appversion.h"
#include "ui/components/accessiblecombo.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/iconbutton.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"
#include "ui/desktop/uicontext.h"
#include "ui/main/sidebardelegate.h"
#include "ui/main/sidebarmodel.h"
#include "ui/main/sidebarview.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

using Kind = SidebarModel::Kind;

constexpr int menuTextWidth = 280;

// The new-folder field: Escape gives up (the sidebar hides and clears it).
class FolderNameField final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> cancelled;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape && cancelled) {
            cancelled();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

// The bar under the list: a hairline above a faint fill.
class Footer final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Colors::quaternaryFill(palette()));
        painter.fillRect(QRect(0, 0, width(), 1), Colors::quaternaryFill(palette()));
    }
};

// A user's name as a menu entry: one line, cut when long, '&' shown as itself.
QString menuText(const QString &name, const QMenu &menu)
{
    return ElidedLabel::elided(name, menu.fontMetrics(), menuTextWidth).replace(u'&', u"&&"_s);
}

} // namespace

Sidebar::Sidebar(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_model(new SidebarModel(context.model, this))
    , m_view(new SidebarView(this))
    , m_filter(new QComboBox)
    , m_newFolderButton(new IconButton(u"folder.badge.plus"_s))
    , m_addProjectButton(new QToolButton)
    , m_version(new QLabel)
    , m_settingsButton(new IconButton(u"gearshape"_s))
{
    setObjectName(u"sidebar"_s);
    setMinimumWidth(200);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);

    m_view->setModel(m_model);
    m_view->setItemDelegate(new SidebarDelegate(m_view));
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);

    m_filter->setObjectName(u"sidebarStatusFilter"_s);
    m_filter->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_filter->setMinimumContentsLength(8);
    AccessibleCombo::chooseOnAccessibleSelection(*m_filter);
    m_newFolderButton->setObjectName(u"sidebarNewFolderButton"_s);

    m_addProjectButton->setObjectName(u"sidebarAddProjectButton"_s);
    m_addProjectButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_addProjectButton->setAutoRaise(true);
    m_addProjectButton->setCursor(Qt::PointingHandCursor);
    m_version->setObjectName(u"sidebarVersion"_s);
    m_version->setFont(Typography::font(11));
    m_version->setText(u"v"_s + AppVersion::current());
    Colors::setTextColor(*m_version, Colors::tertiary(palette()));
    m_settingsButton->setObjectName(u"sidebarSettingsButton"_s);

    auto *footer = new Footer;
    auto *footerLayout = new QHBoxLayout(footer);
    footerLayout->setContentsMargins(8, 6, 8, 6);
    footerLayout->setSpacing(6);
    footerLayout->addWidget(m_addProjectButton);
    footerLayout->addStretch(1);
    footerLayout->addWidget(m_version);
    footerLayout->addWidget(m_settingsButton);

    // The filter and the new-folder controls sit above the list, not inside it: widgets placed
    // in an item view do not exist for a screen reader.
    const int side = SidebarDelegate::sideMargin;
    auto *tools = new QHBoxLayout;
    tools->setContentsMargins(side, 0, side, 4);
    tools->setSpacing(6);
    tools->addWidget(m_filter, 1);
    tools->addWidget(m_newFolderButton);
    m_fieldRow = new QVBoxLayout;
    m_fieldRow->setContentsMargins(side, 0, side, 4);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(tools);
    layout->addLayout(m_fieldRow);
    layout->addWidget(m_view, 1);
    layout->addWidget(footer);

    connect(m_model, &SidebarModel::synced, this, &Sidebar::onSynced);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Sidebar::onSelectionChanged);
    connect(m_view, &SidebarView::folderToggled, this, [this](const QUuid &id, bool expanded) {
        const std::optional<ProjectFolder> folder = m_context.model.folder(id);
        if (folder && folder->isExpanded != expanded)
            m_context.model.setFolderExpanded(id, expanded);
        else
            m_view->syncExpansion();
    });
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (QMenu *menu = contextMenu(m_view->indexAt(pos)))
            menu->popup(m_view->viewport()->mapToGlobal(pos));
    });
    connect(m_filter, &QComboBox::activated, this, [this](int index) {
        const QList<ProjectStatus> statuses = ProjectStatuses::all();
        Q_EMIT statusFilterChosen(index > 0 ? std::optional(statuses.value(index - 1))
                                            : std::nullopt);
    });
    connect(m_newFolderButton, &QAbstractButton::clicked, this, &Sidebar::showNewFolderField);
    connect(m_addProjectButton, &QAbstractButton::clicked, this, &Sidebar::newProjectRequested);
    connect(m_settingsButton, &QAbstractButton::clicked, this, &Sidebar::settingsRequested);

    retranslate();
    m_view->syncExpansion();
    select(std::nullopt);
}

Sidebar::~Sidebar() = default;

void Sidebar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void Sidebar::retranslate()
{
    const int current = qMax(0, m_filter->currentIndex());
    m_filter->clear();
    m_filter->addItem(L(u"Vše"_s));
    for (ProjectStatus status : ProjectStatuses::all())
        m_filter->addItem(Symbols::icon(ProjectStatuses::symbol(status),
                                        Colors::projectStatus(status, palette())),
                          Presentation::title(status));
    m_filter->setCurrentIndex(current);
    m_filter->setAccessibleName(L(u"Stav"_s));
    m_filter->setToolTip(L(u"Stav"_s));
    m_newFolderButton->setHelp(L(u"Nová složka"_s));
    if (m_newFolderField)
        m_newFolderField->setPlaceholderText(L(u"Název složky…"_s));
    m_addProjectButton->setText(L(u"Přidat projekt"_s));
    m_addProjectButton->setIcon(Symbols::icon(u"plus"_s, Colors::primary(palette())));
    m_settingsButton->setHelp(L(u"Nastavení"_s));
    m_view->setAccessibleName(L(u"Projekty"_s));
    m_view->viewport()->update();
}

void Sidebar::select(const std::optional<QUuid> &projectID)
{
    m_selection = projectID;
    const QModelIndex row =
        projectID ? m_model->projectIndex(*projectID) : m_model->overviewIndex();
    m_showingSelection = true;
    if (row.isValid())
        m_view->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    else
        m_view->selectionModel()->clearSelection();
    m_showingSelection = false;
}

void Sidebar::setStatusFilter(const std::optional<ProjectStatus> &filter)
{
    m_filter->setCurrentIndex(filter ? int(ProjectStatuses::all().indexOf(*filter)) + 1 : 0);
    m_model->setStatusFilter(filter);
}

void Sidebar::onSynced()
{
    m_view->syncExpansion();
    // Rows come and go with the filter; the selection stays the main view's.
    select(m_selection);
}

void Sidebar::onSelectionChanged(const QItemSelection &selected)
{
    if (m_showingSelection || m_model->isSyncing())
        return;
    // A screen reader selects a row beside the one selected (QItemSelectionModel::Select): the
    // row just selected is the choice, and it alone stays selected.
    const QModelIndexList added = selected.indexes();
    const QModelIndexList rows =
        added.size() == 1 ? added : m_view->selectionModel()->selectedRows();
    if (rows.size() != 1)
        return;
    const QModelIndex row = rows.first();
    if (m_view->selectionModel()->selectedRows().size() > 1) {
        m_showingSelection = true;
        m_view->selectionModel()->select(row, QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
        m_showingSelection = false;
    }
    if (SidebarModel::kind(row) == Kind::Project)
        Q_EMIT selectionRequested(row.data(SidebarModel::ProjectIdRole).toUuid());
    else if (SidebarModel::kind(row) == Kind::Overview)
        Q_EMIT selectionRequested(std::nullopt);
}

void Sidebar::showNewFolderField()
{
    if (!m_newFolderField) {
        auto *field = new FolderNameField;
        field->setObjectName(u"sidebarNewFolderField"_s);
        field->setPlaceholderText(L(u"Název složky…"_s));
        field->setAccessibleName(L(u"Nová složka"_s));
        field->setClearButtonEnabled(false);
        field->cancelled = [this] { hideNewFolderField(); };
        connect(field, &QLineEdit::returnPressed, this, &Sidebar::submitNewFolder);
        m_fieldRow->addWidget(field);
        m_newFolderField = field;
    }
    m_newFolderField->setFocus(Qt::OtherFocusReason);
}

void Sidebar::submitNewFolder()
{
    const QString name = m_newFolderField ? m_newFolderField->text().trimmed() : QString();
    hideNewFolderField();
    if (!name.isEmpty())
        m_context.model.addFolder(name);
}

void Sidebar::hideNewFolderField()
{
    // The field goes with its text; called from its own key handler, so not at once.
    if (m_newFolderField) {
        m_newFolderField->hide();
        m_newFolderField->deleteLater();
    }
    m_newFolderField = nullptr;
    m_view->setFocus(Qt::OtherFocusReason);
}

void Sidebar::setProjectStatus(const QUuid &projectID, ProjectStatus status)
{
    std::optional<ProjectConfig> project = m_context.model.project(projectID);
    if (!project || project->status == status)
        return;
    project->status = status;
    m_context.model.updateProject(*project);
}

QMenu *Sidebar::contextMenu(const QModelIndex &index)
{
    if (!index.isValid())
        return nullptr;
    switch (SidebarModel::kind(index)) {
    case Kind::Project:
        return projectMenu(index.data(SidebarModel::ProjectIdRole).toUuid());
    case Kind::Folder:
        return folderMenu(index.data(SidebarModel::FolderIdRole).toUuid());
    default:
        return nullptr;
    }
}

QMenu *Sidebar::projectMenu(const QUuid &projectID)
{
    const std::optional<ProjectConfig> project = m_context.model.project(projectID);
    if (!project)
        return nullptr;
    auto *menu = new QMenu(this);
    menu->setObjectName(u"projectContextMenu"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QPalette &colors = palette();

    QAction *edit =
        menu->addAction(Symbols::icon(u"pencil"_s, Colors::primary(colors)), L(u"Upravit…"_s));
    edit->setObjectName(u"projectEditAction"_s);
    connect(edit, &QAction::triggered, this,
            [this, projectID] { Q_EMIT editRequested(projectID); });

    QMenu *statusMenu = menu->addMenu(L(u"Stav"_s));
    statusMenu->setObjectName(u"projectStatusMenu"_s);
    for (ProjectStatus status : ProjectStatuses::all()) {
        QAction *choice = statusMenu->addAction(
            Symbols::icon(ProjectStatuses::symbol(status), Colors::projectStatus(status, colors)),
            Presentation::title(status));
        choice->setObjectName(u"projectStatusAction_"_s + ProjectStatuses::rawValue(status));
        choice->setCheckable(true);
        choice->setChecked(project->status == status);
        connect(choice, &QAction::triggered, this,
                [this, projectID, status] { setProjectStatus(projectID, status); });
    }

    const QList<ProjectFolder> folders = SortIndex::stableSorted(m_context.model.folders());
    if (!folders.isEmpty()) {
        QMenu *moveMenu = menu->addMenu(L(u"Přesunout do složky"_s));
        moveMenu->setObjectName(u"projectMoveMenu"_s);
        QAction *out = moveMenu->addAction(L(u"Bez složky"_s));
        out->setObjectName(u"projectMoveToNoFolderAction"_s);
        connect(out, &QAction::triggered, this,
                [this, projectID] { m_context.model.moveProject(projectID, std::nullopt); });
        moveMenu->addSeparator();
        for (const ProjectFolder &folder : folders) {
            QAction *into =
                moveMenu->addAction(Symbols::icon(u"folder"_s, Colors::secondary(colors)),
                                    menuText(folder.name, *moveMenu));
            into->setObjectName(u"projectMoveToFolderAction"_s);
            into->setData(folder.id);
            const QUuid folderID = folder.id;
            connect(into, &QAction::triggered, this, [this, projectID, folderID] {
                m_context.model.moveProject(projectID, folderID);
            });
        }
    }

    menu->addSeparator();
    QAction *remove = menu->addAction(Symbols::icon(u"trash"_s, Colors::named(u"red"_s, colors)),
                                      L(u"Odstranit"_s));
    remove->setObjectName(u"projectRemoveAction"_s);
    connect(remove, &QAction::triggered, this,
            [this, projectID] { Q_EMIT removeRequested(projectID); });
    return menu;
}

QMenu *Sidebar::folderMenu(const QUuid &folderID)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(u"folderContextMenu"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *rename = menu->addAction(Symbols::icon(u"pencil"_s, Colors::primary(palette())),
                                      L(u"Přejmenovat…"_s));
    rename->setObjectName(u"folderRenameAction"_s);
    connect(rename, &QAction::triggered, this,
            [this, folderID] { Q_EMIT renameFolderRequested(folderID); });
    QAction *remove = menu->addAction(Symbols::icon(u"trash"_s, Colors::named(u"red"_s, palette())),
                                      L(u"Smazat složku"_s));
    remove->setObjectName(u"folderDeleteAction"_s);
    // Deleting a folder asks nothing: its projects only move to the top level.
    connect(remove, &QAction::triggered, this,
            [this, folderID] { m_context.model.deleteFolder(folderID); });
    return menu;
}
