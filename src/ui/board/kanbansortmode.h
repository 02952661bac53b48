// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

// How the board orders the cards of a column. One preference for every board.
enum class KanbanSortMode { Manual, Priority, DueDate };

namespace KanbanSortModes {

QList<KanbanSortMode> all(); // menu order
QString rawValue(KanbanSortMode mode);
// The stored word; anything unknown is the manual order.
KanbanSortMode fromRawValue(const QString &raw);
QString title(KanbanSortMode mode); // Czech source text; callers pass it through L
QString symbol(KanbanSortMode mode);

} // namespace KanbanSortModes
