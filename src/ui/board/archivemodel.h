// SPDX-License-Identifier: MIT
#pragma once

#include "model/kanbancolumn.h"
#include "ui/components/rowdiff.h"

#include <QAbstractListModel>
#include <QHash>
#include <QUuid>

class AppModel;

// One project's archived cards as rows, in the order the model gives them (last finished
// first). Follows the model by rows: a card restored, deleted or archived is one row removed
// or inserted, and a renamed one repaints its row alone.
class ArchiveModel final : public RowDiffModel<QAbstractListModel> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArchiveModel)

public:
    enum Role {
        IdRole = Qt::UserRole + 1, // QUuid
        ColumnRole,                // KanbanColumn: the column it was archived from
    };

    ArchiveModel(AppModel &model, const QUuid &projectID, QObject *parent = nullptr);

    QUuid cardID(const QModelIndex &index) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Entry {
        QString title;
        KanbanColumn column = KanbanColumn::Idea;
        bool operator==(const Entry &) const = default;
    };

    QList<QList<QUuid>> shownRows() const override { return {m_rows}; }
    QModelIndex sectionIndex(int) const override { return {}; }
    void storeRows(const QList<QList<QUuid>> &rows, const RowDiff::Step &) override
    {
        m_rows = rows.first();
    }
    void sync();

    AppModel &m_model;
    QUuid m_projectID;
    QList<QUuid> m_rows;
    QHash<QUuid, Entry> m_entries;
};
