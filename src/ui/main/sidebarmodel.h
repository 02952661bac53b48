// SPDX-License-Identifier: MIT
#pragma once

#include "model/projectconfig.h"
#include "model/projectfolder.h"
#include "model/projectstatus.h"
#include "ui/components/rowdiff.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QList>
#include <QUuid>

#include <optional>

class AppModel;

// The sidebar as a tree over the application model. Top level, in order: the overview row, the
// status filter row, one header per folder (sortIndex order) holding its projects, and the
// no-folder header holding the new-folder field (while shown) and the projects outside any
// folder. Only projects that pass the status filter are listed. Changes arrive as row moves,
// inserts, removes and single-row dataChanged, never as a reset; a project's live status
// repaints its row alone.
class SidebarModel final : public RowDiffModel<QAbstractItemModel> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SidebarModel)

public:
    enum class Kind { Overview, Folder, NoFolder, Project };
    enum Role {
        KindRole = Qt::UserRole + 1, // Kind as int
        ProjectIdRole,               // QUuid (project rows)
        FolderIdRole,                // QUuid (folder headers)
        EmojiRole,                   // QString
        ProjectStatusRole,           // ProjectStatus as int
        StatusColorRole,             // StatusColor as int, the row's combined dot
        CountRole,                   // int: a folder's projects after filtering
        ExpandedRole,                // bool: a folder's stored disclosure state
    };

    explicit SidebarModel(AppModel &model, QObject *parent = nullptr);
    ~SidebarModel() override;

    std::optional<ProjectStatus> statusFilter() const { return m_filter; }
    void setStatusFilter(const std::optional<ProjectStatus> &filter);
    // True while rows are being moved, inserted or removed (selection changes then are not
    // the user's).
    bool isSyncing() const { return m_syncing; }

    QModelIndex overviewIndex() const;
    QModelIndex noFolderIndex() const;
    QModelIndex folderIndex(const QUuid &folderID) const;
    QModelIndex projectIndex(const QUuid &projectID) const;
    static Kind kind(const QModelIndex &index);

    // The known project a drop payload names: its first text parsed as an id.
    std::optional<QUuid> droppedProject(const QMimeData *data) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    // A drop calls the model's operation, which moves the project itself: the removeRows Qt
    // asks of the source after a move stays refused (the default), so nothing is lost twice.
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;

Q_SIGNALS:
    // The rows follow the application model again (after moves, inserts and removes).
    void synced();

private:
    struct Section {
        QUuid key; // folder id, or one of the fixed keys of the other sections
        Kind kind;
        quintptr tag; // internal id of the section's children, stable while it lives
        QList<QUuid> rows;
    };

    void sync();
    void syncSections(const QList<QUuid> &keys);
    void announceChanges(const QHash<QUuid, ProjectConfig> &projectsBefore,
                         const QHash<QUuid, ProjectFolder> &foldersBefore,
                         const QHash<QUuid, int> &countsBefore);
    void onRuntimeChanged(const QUuid &projectID);
    int sectionRow(quintptr tag) const;
    QVariant projectData(const QUuid &id, int role) const;
    QVariant sectionData(const Section &section, int role) const;
    QList<QList<QUuid>> shownRows() const override;
    QModelIndex sectionIndex(int section) const override;
    void storeRows(const QList<QList<QUuid>> &rows, const RowDiff::Step &step) override;

    AppModel &m_model;
    QList<Section> m_sections;
    QHash<QUuid, ProjectConfig> m_projects; // the listed projects, by id
    QHash<QUuid, ProjectFolder> m_folders;
    std::optional<ProjectStatus> m_filter;
    bool m_syncing = false;
    quintptr m_nextTag = 1;
};
