// SPDX-License-Identifier: MIT
#include "ui/card/checklistmodel.h"

#include "ui/components/elidedlabel.h"

ChecklistModel::ChecklistModel(QObject *parent)
    : IdRowsModel(parent)
{
}

void ChecklistModel::setItems(const QList<ChecklistItem> &items)
{
    // The card's list is shared with the model's record until the checklist itself changes,
    // so an edit elsewhere on the card compares in constant time.
    if (items == m_items)
        return;
    m_items = items;
    showRecords(items, [](const ChecklistItem &item) {
        return std::pair{item.id, ChecklistEntry{item.text, item.done}};
    });
}

QVariant ChecklistModel::data(const QModelIndex &index, int role) const
{
    const ChecklistEntry *entry = entryAt(index);
    if (!entry)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return entry->text;
    case Qt::AccessibleTextRole:
        return ElidedLabel::singleLine(entry->text);
    case Qt::CheckStateRole:
        return entry->done ? Qt::Checked : Qt::Unchecked;
    case IdRole:
        return rowID(index);
    case DoneRole:
        return entry->done;
    default:
        return {};
    }
}

Qt::ItemFlags ChecklistModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
           Qt::ItemNeverHasChildren;
}
