// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Dates follow the interface language the way Qt's own widgets do: through the default locale,
// which the language switch sets together with the translators (Localization::language()).
namespace Formatters {

// How long ago (or until) `date` is, in the current interface language, worded by ICU's
// relative date-time formatter (short style; en_US or cs_CZ), one formatter per language.
QString relative(const QDateTime &date, const QDateTime &now = QDateTime::currentDateTimeUtc());
// The backup file-name stamp "yyyy-MM-dd-HHmm" in local time.
QString filenameStamp(const QDateTime &date);
// The locale of the interface language (en_US or cs_CZ), for dates the screens show.
QLocale interfaceLocale();
// A date as day and abbreviated month in local time, in the interface language: "Dec 5",
// "5. pro".
QString dayMonth(const QDateTime &date);
// A time of day in local time, in the interface language's short form: "14:05", "2:05 PM".
QString clockTime(const QDateTime &date);

} // namespace Formatters
