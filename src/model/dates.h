// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>

// The data file counts time in seconds since 2001-01-01 00:00:00 UTC; this is the one
// place that converts between that count and QDateTime.
namespace Dates {

QDateTime referenceDate();
double toReferenceSeconds(const QDateTime &date);
QDateTime fromReferenceSeconds(double seconds);

} // namespace Dates
