// SPDX-License-Identifier: MIT
#include "ui/board/archivemodel.h"

#include "app/appmodel.h"
#include "app/cardqueries.h"
#include "app/presentation.h"

ArchiveModel::ArchiveModel(AppModel &model, const QUuid &projectID, QObject *parent)
    : IdRowsModel(parent)
    , m_model(model)
    , m_projectID(projectID)
{
    connect(&m_model, &AppModel::cardsChanged, this, &ArchiveModel::sync);
    sync();
}

void ArchiveModel::sync()
{
    showRecords(CardQueries::archived(m_model.cards(), m_projectID), [](const TaskCard &card) {
        return std::pair{card.id, ArchiveEntry{card.title, card.column}};
    });
}

QVariant ArchiveModel::data(const QModelIndex &index, int role) const
{
    const ArchiveEntry *entry = entryAt(index);
    if (!entry)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return entry->title;
    case Qt::AccessibleDescriptionRole:
        return Presentation::title(entry->column);
    case IdRole:
        return rowID(index);
    case ColumnRole:
        return QVariant::fromValue(entry->column);
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
