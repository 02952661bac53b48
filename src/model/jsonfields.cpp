// SPDX-License-Identifier: MIT
#include "model/jsonfields.h"

#include "model/dates.h"

#include <QJsonParseError>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

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

JsonFields::JsonFields(QJsonObject object)
    : m_object(std::move(object))
{
}

JsonFields::JsonFields(QJsonObject object, QString path, std::shared_ptr<QString> error)
    : m_object(std::move(object))
    , m_path(std::move(path))
    , m_error(std::move(error))
{
}

QJsonDocument JsonFields::parse(const QByteArray &bytes)
{
    // JSON text never holds a raw NUL byte, but Qt's parser takes one inside a string as its
    // end and silently drops the rest.
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0) {
        failWith(u"not a JSON document: NUL byte at offset %1"_s.arg(nul));
        return {};
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        failWith(u"not a JSON document: %1 at offset %2"_s.arg(parseError.errorString())
                     .arg(parseError.offset));
    }
    return document;
}

JsonFields JsonFields::parseObject(const QByteArray &bytes)
{
    JsonFields reader;
    const QJsonDocument document = reader.parse(bytes);
    if (document.isObject())
        reader.m_object = document.object();
    else
        reader.failWith(u"not a JSON object"_s);
    return reader;
}

QList<JsonFields> JsonFields::parseList(const QByteArray &bytes)
{
    const QJsonDocument document = parse(bytes);
    if (!document.isArray()) {
        failWith(u"not a JSON array"_s);
        return {};
    }
    return elements(document.array(), {});
}

QString JsonFields::pathOf(QLatin1String key) const
{
    return m_path.isEmpty() ? QString(key) : m_path + u'.' + key;
}

QString JsonFields::pathOf(QLatin1String key, qsizetype index) const
{
    return pathOf(key) + u'[' + QString::number(index) + u']';
}

void JsonFields::failWith(const QString &message)
{
    if (!failed())
        *m_error = message;
}

void JsonFields::fail(QLatin1String key, const QString &what)
{
    failWith(pathOf(key) + u": "_s + what);
}

void JsonFields::fail(QLatin1String key, qsizetype index, const QString &what)
{
    failWith(pathOf(key, index) + u": "_s + what);
}

void JsonFields::failInside(QLatin1String key, qsizetype index, const QString &message)
{
    failWith(pathOf(key, index) + u'.' + message);
}

bool JsonFields::has(QLatin1String key) const
{
    const QJsonValue value = m_object.value(key);
    return !value.isUndefined() && !value.isNull();
}

QJsonValue JsonFields::present(QLatin1String key, Need need)
{
    // Not const, so that returning it moves: a copy costs an atomic reference count update.
    QJsonValue value = m_object.value(key);
    if (!value.isUndefined() && !value.isNull())
        return value;
    if (need == Required)
        fail(key, u"missing"_s);
    return QJsonValue(QJsonValue::Undefined);
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

JsonFields JsonFields::object(QLatin1String key, Need need)
{
    const QJsonValue value = present(key, need);
    const bool isObject = !value.isUndefined() && expect(value.isObject(), key, "an object");
    return JsonFields(isObject ? value.toObject() : QJsonObject(), pathOf(key), m_error);
}

QList<JsonFields> JsonFields::objects(QLatin1String key, Need need)
{
    return elements(array(key, need).value_or(QJsonArray()), key);
}

std::optional<QJsonObject> JsonFields::objectAt(const QJsonArray &list, qsizetype index,
                                                QLatin1String key)
{
    const QJsonValue value = list.at(index);
    if (value.isObject())
        return value.toObject();
    fail(key, index, u"expected an object"_s);
    return std::nullopt;
}

QList<JsonFields> JsonFields::elements(const QJsonArray &list, QLatin1String key)
{
    QList<JsonFields> readers;
    readers.reserve(list.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        std::optional<QJsonObject> element = objectAt(list, i, key);
        if (!element)
            return {};
        readers.append(JsonFields(std::move(*element), pathOf(key, i), m_error));
    }
    return readers;
}
