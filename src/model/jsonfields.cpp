// SPDX-License-Identifier: MIT
#include "model/jsonfields.h"

#include "model/dates.h"

#include <cmath>
#include <limits>

namespace {

// About 31,700 years either side of 2001: far beyond any real date, well inside what
// QDateTime can hold, so arithmetic on a stored date can never overflow.
constexpr double maxDateSeconds = 1e12;

} // namespace

std::optional<QUuid> parseUuidText(const QString &text)
{
    // QUuid also takes braces and other lengths, and reads malformed text as the nil id; only
    // the 36-character form is ours, and the nil id only when it is spelled out.
    if (text.size() != 36 || text[8] != u'-' || text[13] != u'-' || text[18] != u'-' ||
        text[23] != u'-')
        return std::nullopt;
    const QUuid id = QUuid::fromString(text);
    if (id.isNull() && text != u"00000000-0000-0000-0000-000000000000")
        return std::nullopt;
    return id;
}

void JsonFields::fail(QLatin1String key, const QString &what)
{
    if (!failed())
        m_error = key + QLatin1String(": ") + what;
}

void JsonFields::failAt(const QString &where, const QString &what)
{
    if (!failed())
        m_error = where + QLatin1String(": ") + what;
}

void JsonFields::failInside(const QString &where, const QString &message)
{
    if (!failed())
        m_error = where + u'.' + message;
}

QJsonValue JsonFields::present(QLatin1String key, Need need)
{
    const QJsonValue value = m_object.value(key);
    if (value.isUndefined() || value.isNull()) {
        if (need == Required)
            fail(key, QStringLiteral("missing"));
        return QJsonValue(QJsonValue::Undefined);
    }
    return value;
}

bool JsonFields::expect(bool rightType, QLatin1String key, const char *what)
{
    if (!rightType)
        fail(key, QLatin1String("expected ") + QLatin1String(what));
    return rightType;
}

std::optional<QString> JsonFields::string(QLatin1String key, Need need)
{
    const QJsonValue value = present(key, need);
    if (value.isUndefined() || !expect(value.isString(), key, "a string"))
        return std::nullopt;
    return value.toString();
}

std::optional<double> JsonFields::number(QLatin1String key, Need need)
{
    const QJsonValue value = present(key, need);
    if (value.isUndefined() || !expect(value.isDouble(), key, "a number"))
        return std::nullopt;
    return value.toDouble();
}

std::optional<qint64> JsonFields::integer(QLatin1String key, Need need)
{
    const QJsonValue value = present(key, need);
    if (value.isUndefined() || !expect(value.isDouble(), key, "a whole number"))
        return std::nullopt;
    // toInteger falls back to its argument unless the number is integral and fits a qint64;
    // two different fallbacks tell a real value from a fallback.
    const qint64 low = value.toInteger(std::numeric_limits<qint64>::min());
    const qint64 high = value.toInteger(std::numeric_limits<qint64>::max());
    if (!expect(low == high, key, "a whole number"))
        return std::nullopt;
    return low;
}

std::optional<bool> JsonFields::boolean(QLatin1String key, Need need)
{
    const QJsonValue value = present(key, need);
    if (value.isUndefined() || !expect(value.isBool(), key, "true or false"))
        return std::nullopt;
    return value.toBool();
}

std::optional<QUuid> JsonFields::uuid(QLatin1String key, Need need)
{
    const std::optional<QString> text = string(key, need);
    if (!text)
        return std::nullopt;
    const std::optional<QUuid> id = parseUuidText(*text);
    expect(id.has_value(), key, "a UUID");
    return id;
}

std::optional<QDateTime> JsonFields::date(QLatin1String key, Need need)
{
    const std::optional<double> seconds = number(key, need);
    if (!seconds || !expect(std::abs(*seconds) <= maxDateSeconds, key, "a date within range"))
        return std::nullopt;
    return Dates::fromReferenceSeconds(*seconds);
}

std::optional<QJsonArray> JsonFields::array(QLatin1String key, Need need)
{
    const QJsonValue value = present(key, need);
    if (value.isUndefined() || !expect(value.isArray(), key, "a list"))
        return std::nullopt;
    return value.toArray();
}
