// SPDX-License-Identifier: MIT
#pragma once

#include "model/kanbancolumn.h"
#include "ui/components/idrowsmodel.h"

#include <QString>
#include <QUuid>

class AppModel;

// What an archived card's row shows.
struct ArchiveEntry {
    QString title;
    KanbanColumn column = KanbanColumn::Idea;
    bool operator==(const ArchiveEntry &) const = default;
};

// One project's archived cards as rows, in the order the model gives them (last finished
// first). Follows the model by rows: a card restored, deleted or archived is one row removed
// or inserted, and a renamed one repaints its row alone.
class ArchiveModel final : public IdRowsModel<ArchiveEntry> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArchiveModel)

public:
    enum Role {
        IdRole = Qt::UserRole + 1, // QUuid
        ColumnRole,                // KanbanColumn: the column it was archived from
    };

    ArchiveModel(AppModel &model, const QUuid &projectID, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void sync();

    AppModel &m_model;
    QUuid m_projectID;
};
