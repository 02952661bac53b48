// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

namespace Formatters {

// How long ago (or until) `date` is, in the current interface language, worded by ICU's
// relative date-time formatter (short style; en_US or cs_CZ), one formatter per language.
QString relative(const QDateTime &date, const QDateTime &now = QDateTime::currentDateTimeUtc());
// The backup file-name stamp "yyyy-MM-dd-HHmm" in local time.
QString filenameStamp(const QDateTime &date);

} // namespace Formatters
