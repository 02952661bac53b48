// SPDX-License-Identifier: MIT
#include "app/cardcounts.h"

#include <algorithm>

namespace CardCounts {

bool isOpen(const TaskCard &card)
{
    return !card.archived && card.column != KanbanColumn::Done;
}

bool isOverdue(const TaskCard &card, const QDateTime &now)
{
    return isOpen(card) && card.dueDate && *card.dueDate < now;
}

int open(const QList<TaskCard> &cards, const std::optional<QUuid> &projectID)
{
    return int(std::count_if(cards.cbegin(), cards.cend(), [&](const TaskCard &card) {
        return (!projectID || card.projectID == *projectID) && isOpen(card);
    }));
}

int overdue(const QList<TaskCard> &cards, const QDateTime &now,
            const std::optional<QUuid> &projectID)
{
    return int(std::count_if(cards.cbegin(), cards.cend(), [&](const TaskCard &card) {
        return (!projectID || card.projectID == *projectID) && isOverdue(card, now);
    }));
}

} // namespace CardCounts
