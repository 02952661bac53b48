// SPDX-License-Identifier: MIT
#include "sources/jsonreader.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace {

QString place(const QString &where)
{
    return where.isEmpty() ? QStringLiteral("odpověď") : where;
}

} // namespace

QJsonValue JsonReader::parse(const QByteArray &body)
{
    if (m_error)
        return {};
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        m_error = QStringLiteral("neplatný JSON: %1 (znak %2)")
                      .arg(parseError.errorString())
                      .arg(parseError.offset);
        return {};
    }
    if (document.isArray())
        return document.array();
    if (document.isObject())
        return document.object();
    return {};
}

QJsonArray JsonReader::array(const QJsonValue &value, const QString &where)
{
    return expect(value.isArray(), where, QStringLiteral("pole")) ? value.toArray() : QJsonArray();
}

QJsonObject JsonReader::object(const QJsonValue &value, const QString &where)
{
    return expect(value.isObject(), where, QStringLiteral("objekt")) ? value.toObject()
                                                                     : QJsonObject();
}

QJsonArray JsonReader::requiredArray(const QJsonObject &object, QStringView key,
                                     const QString &where)
{
    const QJsonValue value = required(object, key, where);
    return ok() ? array(value, path(where, key)) : QJsonArray();
}

QJsonObject JsonReader::requiredObject(const QJsonObject &object, QStringView key,
                                       const QString &where)
{
    const QJsonValue value = required(object, key, where);
    return ok() ? this->object(value, path(where, key)) : QJsonObject();
}

QString JsonReader::requiredString(const QJsonObject &object, QStringView key, const QString &where)
{
    const QJsonValue value = required(object, key, where);
    if (!ok() || !expect(value.isString(), path(where, key), QStringLiteral("text")))
        return {};
    return value.toString();
}

double JsonReader::requiredNumber(const QJsonObject &object, QStringView key, const QString &where)
{
    const QJsonValue value = required(object, key, where);
    if (!ok() || !expect(value.isDouble(), path(where, key), QStringLiteral("číslo")))
        return 0;
    return value.toDouble();
}

std::optional<QString> JsonReader::optionalString(const QJsonObject &object, QStringView key,
                                                  const QString &where)
{
    const QJsonValue value = object.value(key);
    if (m_error || value.isUndefined() || value.isNull())
        return std::nullopt;
    if (!expect(value.isString(), path(where, key), QStringLiteral("text")))
        return std::nullopt;
    return value.toString();
}

std::optional<QJsonObject> JsonReader::optionalObject(const QJsonObject &object, QStringView key,
                                                      const QString &where)
{
    const QJsonValue value = object.value(key);
    if (m_error || value.isUndefined() || value.isNull())
        return std::nullopt;
    if (!expect(value.isObject(), path(where, key), QStringLiteral("objekt")))
        return std::nullopt;
    return value.toObject();
}

void JsonReader::fail(const QString &where, const QString &problem)
{
    if (!m_error)
        m_error = place(where) + QStringLiteral(": ") + problem;
}

QString JsonReader::path(const QString &where, QStringView key)
{
    return where.isEmpty() ? key.toString() : where + QLatin1Char('.') + key;
}

QString JsonReader::path(const QString &where, qsizetype index)
{
    return where + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
}

QJsonValue JsonReader::required(const QJsonObject &object, QStringView key, const QString &where)
{
    if (m_error)
        return {};
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        fail(path(where, key), QStringLiteral("chybí"));
        return {};
    }
    return value;
}

bool JsonReader::expect(bool fits, const QString &where, const QString &typeName)
{
    if (m_error)
        return false;
    if (!fits)
        fail(where, QStringLiteral("má být ") + typeName);
    return fits;
}
