// SPDX-License-Identifier: MIT
#include "model/taskcard.h"

#include <QtNumeric>

#include <algorithm>
#include <limits>

qint64 TaskCard::currentTimeSpentSeconds(const QDateTime &now) const
{
    if (!timerStartedAt)
        return timeSpentSeconds;
    // Whole seconds, truncated toward zero. A start in the future (the clock was set back)
    // counts as no time rather than eating into the time already tracked.
    const qint64 elapsed = std::max<qint64>(0, timerStartedAt->msecsTo(now) / 1000);
    qint64 total = 0;
    if (qAddOverflow(timeSpentSeconds, elapsed, &total))
        return std::numeric_limits<qint64>::max();
    return total;
}

std::pair<int, int> TaskCard::checklistProgress() const
{
    const auto done = std::count_if(checklist.cbegin(), checklist.cend(),
                                    [](const ChecklistItem &item) { return item.done; });
    return {int(done), int(checklist.size())};
}

QString formatDuration(qint64 seconds)
{
    // A negative count (only a hand-edited file has one) keeps its sign in front of the clock.
    const QString sign = seconds < 0 ? QStringLiteral("-") : QString();
    const quint64 total = seconds < 0 ? quint64(0) - quint64(seconds) : quint64(seconds);
    const quint64 secs = total % 60;
    if (total < 3600)
        return sign + QString::asprintf("%llu:%02llu", total / 60, secs);
    return sign + QString::asprintf("%llu:%02llu:%02llu", total / 3600, (total % 3600) / 60, secs);
}
