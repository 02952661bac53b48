// SPDX-License-Identifier: MIT
#include "model/dates.h"

#include <cmath>

namespace Dates {

QDateTime referenceDate()
{
    return QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
}

double toReferenceSeconds(const QDateTime &date)
{
    return double(date.toMSecsSinceEpoch() - referenceDate().toMSecsSinceEpoch()) / 1000.0;
}

QDateTime fromReferenceSeconds(double seconds)
{
    const auto msecs = qint64(std::llround(seconds * 1000.0));
    return QDateTime::fromMSecsSinceEpoch(referenceDate().toMSecsSinceEpoch() + msecs, Qt::UTC);
}

} // namespace Dates
