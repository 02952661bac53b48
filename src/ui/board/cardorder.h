// SPDX-License-Identifier: MIT
#pragma once

#include "model/taskcard.h"
#include "ui/board/cardfilter.h"
#include "ui/board/kanbansortmode.h"

#include <QList>

namespace CardOrder {

// The cards of one column as the board shows them: `columnCards` in manual order (ascending
// sortIndex), those `filter` lets through, ordered by `mode`. The sort is stable, so cards
// that rank alike keep their manual order.
QList<TaskCard> visible(const QList<TaskCard> &columnCards, const CardFilter &filter,
                        KanbanSortMode mode);

} // namespace CardOrder
