// SPDX-License-Identifier: MIT
#include "ui/card/checklistmodel.h"

#include "ui/components/elidedlabel.h"

ChecklistModel::ChecklistModel(QObject *parent)
    : RowDiffModel(parent)
{
}

void ChecklistModel::setItems(const QList<ChecklistItem> &items)
{
    // The card's list is shared with the model's record until the checklist itself changes,
    // so an edit elsewhere on the card compares in constant time.
    if (items == m_items)
        return;
    m_items = items;
    QList<QUuid> rows;
    rows.reserve(items.size());
    QHash<QUuid, Entry> entries;
    entries.reserve(items.size());
    for (const ChecklistItem &item : items) {
        if (entries.contains(item.id))
            continue; // a damaged file may repeat an id; a row shows it once
        rows.append(item.id);
        entries.insert(item.id, {item.text, item.done});
    }
    followRows(rows, std::move(entries), m_entries);
}

QUuid ChecklistModel::itemID(const QModelIndex &index) const
{
    return checkIndex(index, CheckIndexOption::IndexIsValid) ? m_rows[index.row()] : QUuid();
}

int ChecklistModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ChecklistModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QUuid &id = m_rows[index.row()];
    const Entry entry = m_entries.value(id);
    switch (role) {
    case Qt::DisplayRole:
        return entry.text;
    case Qt::AccessibleTextRole:
        return ElidedLabel::singleLine(entry.text);
    case Qt::CheckStateRole:
        return entry.done ? Qt::Checked : Qt::Unchecked;
    case IdRole:
        return id;
    case DoneRole:
        return entry.done;
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
