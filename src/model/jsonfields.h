// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1String>
#include <QString>
#include <QUuid>

#include <optional>

// Reads the fields of one record object by the data file's rules: an optional key that is
// missing or null reads as absent, a required one is an error; a value of the wrong type is an
// error either way. Only the first error is kept, and reads after it still return harmless
// values, so a reader can fill its record straight through and check once at the end.
class JsonFields final {
public:
    enum class Need { Optional, Required };
    using enum Need;

    explicit JsonFields(const QJsonObject &object)
        : m_object(object)
    {
    }

    std::optional<QString> string(QLatin1String key, Need need = Optional);
    std::optional<double> number(QLatin1String key, Need need = Optional);
    std::optional<qint64> integer(QLatin1String key, Need need = Optional);
    std::optional<bool> boolean(QLatin1String key, Need need = Optional);
    std::optional<QUuid> uuid(QLatin1String key, Need need = Optional);
    std::optional<QDateTime> date(QLatin1String key, Need need = Optional);
    std::optional<QJsonArray> array(QLatin1String key, Need need = Optional);

    // An enumeration word; a word the enumeration does not know is an error even when optional.
    template<typename Enum>
    std::optional<Enum> enumeration(QLatin1String key,
                                    std::optional<Enum> (*fromRaw)(const QString &))
    {
        const std::optional<QString> raw = string(key);
        if (!raw)
            return std::nullopt;
        const std::optional<Enum> value = fromRaw(*raw);
        if (!value)
            fail(key, QStringLiteral("unknown value \"%1\"").arg(raw->left(40)));
        return value;
    }

    // Records the error `key: what` unless an earlier one is already kept.
    void fail(QLatin1String key, const QString &what);
    // Records `where: what` for an element of a list, `where` being like "cards[3]".
    void failAt(const QString &where, const QString &what);
    // Records an error met inside the record at `where` (its message names the field).
    void failInside(const QString &where, const QString &message);

    bool failed() const { return !m_error.isEmpty(); }
    const QString &error() const { return m_error; }

private:
    // The value of `key`, or undefined when it is missing or null (an error if required).
    QJsonValue present(QLatin1String key, Need need);
    bool expect(bool rightType, QLatin1String key, const char *what);

    const QJsonObject &m_object;
    QString m_error;
};

// A UUID in the 36-character 8-4-4-4-12 form (either case); anything else is no id.
std::optional<QUuid> parseUuidText(const QString &text);
