// SPDX-License-Identifier: MIT
#pragma once

#include "model/projectstatus.h"

#include <QPointer>
#include <QUuid>
#include <QWidget>

#include <optional>

class OverviewView;
class ProjectDetailView;
class ProjectEditor;
class QSplitter;
class QStackedWidget;
class SettingsSheet;
class Sidebar;
class StoreNotices;
struct UiContext;

// The content of the main window: the sidebar of folders and projects beside the detail area,
// which shows the overview or the selected project. It owns the selection (stored as the last
// selection on every change and restored when first shown), the status filter, and the sheets
// opened from here: project editor, settings, folder rename and the removal question.
class MainView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainView)

public:
    explicit MainView(UiContext &context, QWidget *parent = nullptr);
    ~MainView() override;

    std::optional<QUuid> selection() const { return m_selection; }
    // Shows the project (none, or one that is not tracked: the overview) and stores it.
    void select(const std::optional<QUuid> &projectID);
    std::optional<ProjectStatus> statusFilter() const { return m_statusFilter; }
    void setStatusFilter(const std::optional<ProjectStatus> &filter);

    // The sheets; each is window-modal and opened without waiting.
    void openNewProject();
    void openEditor(const QUuid &projectID);
    void openSettings();
    void openRenameFolder(const QUuid &folderID);
    void confirmRemoval(const QUuid &projectID);

    Sidebar *sidebar() const { return m_sidebar; }
    OverviewView *overview() const { return m_overview; }
    ProjectDetailView *detail() const { return m_detail; }
    QWidget *currentDetail() const;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void openProjectEditor(const std::optional<QUuid> &projectID);
    void followProjects();

    UiContext &m_context;
    QSplitter *m_splitter;
    Sidebar *m_sidebar;
    StoreNotices *m_notices;
    QStackedWidget *m_stack;
    OverviewView *m_overview;
    ProjectDetailView *m_detail;
    QPointer<ProjectEditor> m_editor;
    QPointer<SettingsSheet> m_settings;
    std::optional<QUuid> m_selection;
    std::optional<ProjectStatus> m_statusFilter;
    bool m_restored = false;
};
