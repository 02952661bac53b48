// SPDX-License-Identifier: MIT
#include "ui/board/cardorder.h"

#include <algorithm>

namespace {

int rank(const TaskCard &card)
{
    if (!card.priority)
        return 0;
    switch (*card.priority) {
    case CardPriority::Low:
        return 1;
    case CardPriority::Medium:
        return 2;
    case CardPriority::High:
        return 3;
    }
    return 0;
}

bool dueEarlier(const TaskCard &a, const TaskCard &b)
{
    if (a.dueDate && b.dueDate)
        return *a.dueDate < *b.dueDate;
    return a.dueDate.has_value() && !b.dueDate.has_value();
}

} // namespace

namespace CardOrder {

QList<TaskCard> visible(const QList<TaskCard> &columnCards, const CardFilter &filter,
                        KanbanSortMode mode)
{
    QList<TaskCard> cards;
    cards.reserve(columnCards.size());
    for (const TaskCard &card : columnCards) {
        if (filter.matches(card))
            cards.append(card);
    }
    switch (mode) {
    case KanbanSortMode::Manual:
        break;
    case KanbanSortMode::Priority:
        std::stable_sort(cards.begin(), cards.end(),
                         [](const TaskCard &a, const TaskCard &b) { return rank(a) > rank(b); });
        break;
    case KanbanSortMode::DueDate:
        std::stable_sort(cards.begin(), cards.end(), dueEarlier);
        break;
    }
    return cards;
}

} // namespace CardOrder
