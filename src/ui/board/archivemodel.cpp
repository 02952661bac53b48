// SPDX-License-Identifier: MIT
#include "ui/board/archivemodel.h"

#include "app/appmodel.h"
#include "app/cardqueries.h"
#include "app/presentation.h"

ArchiveModel::ArchiveModel(AppModel &model, const QUuid &projectID, QObject *parent)
    : RowDiffModel(parent)
    , m_model(model)
    , m_projectID(projectID)
{
    connect(&m_model, &AppModel::cardsChanged, this, &ArchiveModel::sync);
    sync();
}

void ArchiveModel::sync()
{
    const QList<TaskCard> cards = CardQueries::archived(m_model.cards(), m_projectID);
    QList<QUuid> rows;
    rows.reserve(cards.size());
    QHash<QUuid, Entry> entries;
    entries.reserve(cards.size());
    for (const TaskCard &card : cards) {
        if (entries.contains(card.id))
            continue; // a damaged file may repeat an id; a row shows it once
        rows.append(card.id);
        entries.insert(card.id, {card.title, card.column});
    }
    followRows(rows, std::move(entries), m_entries);
}

QUuid ArchiveModel::cardID(const QModelIndex &index) const
{
    return checkIndex(index, CheckIndexOption::IndexIsValid) ? m_rows[index.row()] : QUuid();
}

int ArchiveModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ArchiveModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QUuid &id = m_rows[index.row()];
    const Entry entry = m_entries.value(id);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return entry.title;
    case Qt::AccessibleDescriptionRole:
        return Presentation::title(entry.column);
    case IdRole:
        return id;
    case ColumnRole:
        return QVariant::fromValue(entry.column);
    default:
        return {};
    }
}

Qt::ItemFlags ArchiveModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
