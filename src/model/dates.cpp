// SPDX-License-Identifier: MIT
#include "model/dates.h"

#include <cmath>

namespace Dates {

namespace {

// referenceDate() in milliseconds since the Unix epoch, so that converting each of the
// thousands of dates in a document does not build that QDateTime again.
constexpr qint64 referenceMSecs = 978'307'200'000;

} // namespace

QDateTime referenceDate()
{
    return QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
}

double toReferenceSeconds(const QDateTime &date)
{
    return double(date.toMSecsSinceEpoch() - referenceMSecs) / 1000.0;
}

QDateTime fromReferenceSeconds(double seconds)
{
    const auto msecs = qint64(std::llround(seconds * 1000.0));
    return QDateTime::fromMSecsSinceEpoch(referenceMSecs + msecs, Qt::UTC);
}

} // namespace Dates
