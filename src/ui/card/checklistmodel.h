// SPDX-License-Identifier: MIT
#pragma once

#include "model/checklistitem.h"
#include "ui/components/idrowsmodel.h"

#include <QList>
#include <QString>
#include <QUuid>

// What a checklist entry's row shows.
struct ChecklistEntry {
    QString text;
    bool done = false;
    bool operator==(const ChecklistEntry &) const = default;
};

// A card's checklist as rows. Follows the card by rows: an entry added, removed or ticked off
// is one row inserted, removed or repainted, so the work of an edit does not grow with the
// length of the list, and a card edit that leaves the checklist alone costs nothing here.
class ChecklistModel final : public IdRowsModel<ChecklistEntry> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChecklistModel)

public:
    enum Role {
        IdRole = Qt::UserRole + 1, // QUuid
        DoneRole,                  // bool
    };

    explicit ChecklistModel(QObject *parent = nullptr);

    void setItems(const QList<ChecklistItem> &items);
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QList<ChecklistItem> m_items; // as last given: the same list again is no change
};
