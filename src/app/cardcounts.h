// SPDX-License-Identifier: MIT
#pragma once

#include "model/taskcard.h"

#include <QDateTime>
#include <QList>
#include <QUuid>

#include <optional>

// The counters of the dashboard. A card is open while it is neither archived nor done; it is
// overdue when open and its due instant has passed (an exact time comparison).
namespace CardCounts {

bool isOpen(const TaskCard &card);
bool isOverdue(const TaskCard &card, const QDateTime &now);

// Over all projects, or one project when given.
int open(const QList<TaskCard> &cards, const std::optional<QUuid> &projectID = std::nullopt);
int overdue(const QList<TaskCard> &cards, const QDateTime &now,
            const std::optional<QUuid> &projectID = std::nullopt);

} // namespace CardCounts
