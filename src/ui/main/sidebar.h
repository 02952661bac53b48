// SPDX-License-Identifier: MIT
#pragma once

#include "model/projectstatus.h"

#include <QItemSelection>
#include <QPointer>
#include <QUuid>
#include <QWidget>

#include <optional>

class IconButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class QVBoxLayout;
class SidebarModel;
class SidebarView;
struct UiContext;

// The main window's left column: the tree of the overview, the status filter, folders and
// projects, and the footer (add project, version, settings). It changes folders and projects
// itself (expand, move, status, new and deleted folders) and asks the main view for what needs
// a sheet or the selection.
class Sidebar final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Sidebar)

public:
    explicit Sidebar(UiContext &context, QWidget *parent = nullptr);
    ~Sidebar() override;

    SidebarModel *model() const { return m_model; }
    SidebarView *view() const { return m_view; }

    // Shows the main view's selection (none: the overview row).
    void select(const std::optional<QUuid> &projectID);
    void setStatusFilter(const std::optional<ProjectStatus> &filter);
    // Shows the new-folder field under the no-folder header and focuses it.
    void showNewFolderField();
    // The context menu of a row (nothing for rows without one); the caller shows it.
    QMenu *contextMenu(const QModelIndex &index);

Q_SIGNALS:
    void selectionRequested(const std::optional<QUuid> &projectID);
    void statusFilterChosen(const std::optional<ProjectStatus> &filter);
    void editRequested(const QUuid &projectID);
    void removeRequested(const QUuid &projectID);
    void renameFolderRequested(const QUuid &folderID);
    void newProjectRequested();
    void settingsRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void onSynced();
    void onSelectionChanged(const QItemSelection &selected);
    void submitNewFolder();
    void hideNewFolderField();
    void setProjectStatus(const QUuid &projectID, ProjectStatus status);
    QMenu *projectMenu(const QUuid &projectID);
    QMenu *folderMenu(const QUuid &folderID);

    UiContext &m_context;
    SidebarModel *m_model;
    SidebarView *m_view;
    QComboBox *m_filter;
    IconButton *m_newFolderButton;
    QPointer<QLineEdit> m_newFolderField;
    QVBoxLayout *m_fieldRow = nullptr;
    QToolButton *m_addProjectButton;
    QLabel *m_version;
    IconButton *m_settingsButton;
    std::optional<QUuid> m_selection;
    bool m_showingSelection = false;
};
