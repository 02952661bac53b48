// SPDX-License-Identifier: MIT
#include "ui/board/duedatetone.h"

DueDateTone dueDateTone(const QDateTime &due, KanbanColumn column, const QDateTime &now)
{
    if (column == KanbanColumn::Done)
        return DueDateTone::Plain;
    // Today by the user's calendar day, also for a time that has already passed.
    if (due.toLocalTime().date() == now.toLocalTime().date())
        return DueDateTone::Today;
    return due < now ? DueDateTone::Overdue : DueDateTone::Plain;
}
