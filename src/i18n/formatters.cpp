// SPDX-License-Identifier: MIT
#include "i18n/formatters.h"

#include "i18n/localization.h"

#include <unicode/locid.h>
#include <unicode/reldatefmt.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <map>
#include <memory>
#include <mutex>

namespace {

struct Offset {
    int value = 0;
    URelativeDateTimeUnit unit = UDAT_REL_UNIT_SECOND;
};

enum class Span { Years, Months, Days };

QDateTime shifted(const QDateTime &date, Span span, int count)
{
    switch (span) {
    case Span::Years:
        return date.addYears(count);
    case Span::Months:
        return date.addMonths(count);
    case Span::Days:
        return date.addDays(count);
    }
    return date;
}

// How many whole spans fit between `from` and `to` (counted from `from`, in the direction of
// `to`), given an estimate that is never too small: calendar differences only overshoot.
int wholeSpans(const QDateTime &from, const QDateTime &to, Span span, qint64 estimate)
{
    const int sign = to >= from ? 1 : -1;
    int count = int(std::clamp<qint64>(estimate * sign, 0, std::numeric_limits<int>::max()));
    const auto overshoots = [&](int n) {
        const QDateTime reached = shifted(from, span, sign * n);
        return sign > 0 ? reached > to : reached < to;
    };
    while (count > 0 && overshoots(count))
        --count;
    return sign * count;
}

// Like the "named" relative style of desktop calendars: the largest calendar unit that fits
// wholly between now and the date, counted from now in local time, truncated.
Offset offsetBetween(const QDateTime &date, const QDateTime &now)
{
    const QDateTime from = now.toLocalTime();
    const QDateTime to = date.toLocalTime();
    const QDate fromDay = from.date();
    const QDate toDay = to.date();

    const qint64 yearEstimate = toDay.year() - fromDay.year();
    if (const int years = wholeSpans(from, to, Span::Years, yearEstimate))
        return {years, UDAT_REL_UNIT_YEAR};
    const qint64 monthEstimate = yearEstimate * 12 + toDay.month() - fromDay.month();
    if (const int months = wholeSpans(from, to, Span::Months, monthEstimate))
        return {months, UDAT_REL_UNIT_MONTH};
    const int days = wholeSpans(from, to, Span::Days, fromDay.daysTo(toDay));
    if (std::abs(days) >= 7)
        return {days / 7, UDAT_REL_UNIT_WEEK};
    if (days != 0)
        return {days, UDAT_REL_UNIT_DAY};

    const qint64 seconds = (to.toMSecsSinceEpoch() - from.toMSecsSinceEpoch()) / 1000;
    if (std::abs(seconds) >= 3600)
        return {int(seconds / 3600), UDAT_REL_UNIT_HOUR};
    if (std::abs(seconds) >= 60)
        return {int(seconds / 60), UDAT_REL_UNIT_MINUTE};
    return {int(seconds), UDAT_REL_UNIT_SECOND};
}

// One formatter per language for the whole process; ICU formatters are costly to build.
std::mutex cacheMutex;
std::map<AppLanguage, std::unique_ptr<icu::RelativeDateTimeFormatter>> cache;

// Call with cacheMutex held. Null when ICU cannot build a formatter for the locale.
icu::RelativeDateTimeFormatter *formatterFor(AppLanguage language)
{
    auto found = cache.find(language);
    if (found != cache.end())
        return found->second.get();
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale(language == AppLanguage::En ? "en_US" : "cs_CZ");
    auto formatter = std::make_unique<icu::RelativeDateTimeFormatter>(
        locale, nullptr, UDAT_STYLE_SHORT, UDISPCTX_CAPITALIZATION_NONE, status);
    if (U_FAILURE(status))
        return nullptr;
    return cache.emplace(language, std::move(formatter)).first->second.get();
}

} // namespace

namespace Formatters {

QString relative(const QDateTime &date, const QDateTime &now)
{
    if (!date.isValid() || !now.isValid())
        return {};
    const Offset offset = offsetBetween(date, now);
    const AppLanguage language = Localization::language();

    icu::UnicodeString text;
    UErrorCode status = U_ZERO_ERROR;
    {
        const std::lock_guard lock(cacheMutex);
        icu::RelativeDateTimeFormatter *formatter = formatterFor(language);
        if (!formatter)
            return {};
        formatter->format(double(offset.value), offset.unit, text, status);
    }
    if (U_FAILURE(status))
        return {};
    return QString::fromUtf16(text.getBuffer(), text.length());
}

QString filenameStamp(const QDateTime &date)
{
    return date.toLocalTime().toString(QStringLiteral("yyyy-MM-dd-HHmm"));
}

QLocale interfaceLocale()
{
    return Localization::locale(Localization::language());
}

QString dayMonth(const QDateTime &date)
{
    const bool english = Localization::language() == AppLanguage::En;
    return interfaceLocale().toString(date.toLocalTime().date(),
                                      english ? QStringLiteral("MMM d") : QStringLiteral("d. MMM"));
}

QString clockTime(const QDateTime &date)
{
    return interfaceLocale().toString(date.toLocalTime().time(), QLocale::ShortFormat);
}

} // namespace Formatters
