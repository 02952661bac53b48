// SPDX-License-Identifier: MIT
#pragma once

#include "model/kanbancolumn.h"
#include "model/taskcard.h"

#include <QList>
#include <QUuid>

// The cards a board shows, picked from the model's list.
namespace CardQueries {

// The project's cards in one column, archived ones left out, by sortIndex (a stable sort).
QList<TaskCard> column(const QList<TaskCard> &cards, const QUuid &projectID, KanbanColumn column);
// The project's archived cards, the most recently finished (else created) first.
QList<TaskCard> archived(const QList<TaskCard> &cards, const QUuid &projectID);

} // namespace CardQueries
