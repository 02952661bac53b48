// SPDX-License-Identifier: MIT
#include "app/cardqueries.h"

#include "app/sortindex.h"

#include <algorithm>

namespace CardQueries {

QList<TaskCard> column(const QList<TaskCard> &cards, const QUuid &projectID, KanbanColumn column)
{
    QList<TaskCard> result;
    for (const TaskCard &card : cards) {
        if (card.projectID == projectID && card.column == column && !card.archived)
            result.append(card);
    }
    return SortIndex::stableSorted(result);
}

QList<TaskCard> archived(const QList<TaskCard> &cards, const QUuid &projectID)
{
    QList<TaskCard> result;
    for (const TaskCard &card : cards) {
        if (card.projectID == projectID && card.archived)
            result.append(card);
    }
    const auto finished = [](const TaskCard &card) {
        return card.completedAt.value_or(card.createdAt);
    };
    std::stable_sort(result.begin(), result.end(), [&](const TaskCard &a, const TaskCard &b) {
        return finished(a) > finished(b);
    });
    return result;
}

} // namespace CardQueries
