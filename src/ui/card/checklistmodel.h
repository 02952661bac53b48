// SPDX-License-Identifier: MIT
#pragma once

#include "model/checklistitem.h"
#include "ui/components/rowdiff.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QUuid>

// A card's checklist as rows. Follows the card by rows: an entry added, removed or ticked off
// is one row inserted, removed or repainted, so the work of an edit does not grow with the
// length of the list, and a card edit that leaves the checklist alone costs nothing here.
class ChecklistModel final : public RowDiffModel<QAbstractListModel> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChecklistModel)

public:
    enum Role {
        IdRole = Qt::UserRole + 1, // QUuid
        DoneRole,                  // bool
    };

    explicit ChecklistModel(QObject *parent = nullptr);

    void setItems(const QList<ChecklistItem> &items);
    QUuid itemID(const QModelIndex &index) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Entry {
        QString text;
        bool done = false;
        bool operator==(const Entry &) const = default;
    };

    QList<QList<QUuid>> shownRows() const override { return {m_rows}; }
    QModelIndex sectionIndex(int) const override { return {}; }
    void storeRows(const QList<QList<QUuid>> &rows, const RowDiff::Step &) override
    {
        m_rows = rows.first();
    }

    QList<ChecklistItem> m_items; // as last given: the same list again is no change
    QList<QUuid> m_rows;
    QHash<QUuid, Entry> m_entries;
};
