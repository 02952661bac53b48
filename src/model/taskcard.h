// SPDX-License-Identifier: MIT
#pragma once

#include "model/cardpriority.h"
#include "model/checklistitem.h"
#include "model/kanbancolumn.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QUuid>

#include <optional>
#include <utility>

struct TaskCard {
    QUuid id;
    QUuid projectID;
    QString title;
    QString note;
    KanbanColumn column = KanbanColumn::Idea;
    QDateTime createdAt;
    std::optional<QDateTime> completedAt;
    bool isDeployFix = false;
    std::optional<QDateTime> dueDate;
    QList<QUuid> labelIDs;
    QList<ChecklistItem> checklist;
    bool archived = false;
    double sortIndex = 0;
    std::optional<QString> coverColorName;
    std::optional<CardPriority> priority;
    qint64 timeSpentSeconds = 0;
    std::optional<QDateTime> timerStartedAt;

    bool isTimerRunning() const { return timerStartedAt.has_value(); }
    // Tracked seconds including a running timer's whole elapsed seconds up to now.
    qint64 currentTimeSpentSeconds(const QDateTime &now) const;
    // (done, total) of the checklist.
    std::pair<int, int> checklistProgress() const;

    friend bool operator==(const TaskCard &, const TaskCard &) = default;
};

// Clock text: "m:ss" below an hour, "h:mm:ss" from an hour on (hours not capped).
QString formatDuration(qint64 seconds);
