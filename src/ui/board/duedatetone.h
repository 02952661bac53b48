// SPDX-License-Identifier: MIT
#pragma once

#include "model/kanbancolumn.h"

#include <QDateTime>

// How a card's due date reads on the board: due today (orange), overdue (red), or plain
// (secondary). Finished cards and dates still ahead give no warning.
enum class DueDateTone { Plain, Today, Overdue };

DueDateTone dueDateTone(const QDateTime &due, KanbanColumn column, const QDateTime &now);
