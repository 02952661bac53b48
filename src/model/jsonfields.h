// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1String>
#include <QList>
#include <QString>
#include <QUuid>

#include <memory>
#include <optional>

// Reads the fields of a JSON object, from the data file or from a web service's answer, by one
// set of rules: an optional key that is missing or null reads as absent, a required one is an
// error; a value of the wrong type is an error either way. Only the first error is kept, as a
// message naming its place ("deployments[1].uid: missing"), and reads after it still return
// harmless values, so a reader can fill its record straight through and check once at the end.
// Readers of nested objects report to the reader they came from.
class JsonFields final {
public:
    enum class Need { Optional, Required };
    using enum Need;

    explicit JsonFields(QJsonObject object = {});

    // A reader for a whole document whose top level must be an object; when `bytes` is not
    // one, the reader has failed already.
    static JsonFields parseObject(const QByteArray &bytes);
    // A reader for each element ("[0]", "[1]", …) of a whole document whose top level must be
    // a list of objects; when `bytes` is not one, this reader fails.
    QList<JsonFields> parseList(const QByteArray &bytes);

    // Whether `key` holds a value, that is, is neither missing nor null.
    bool has(QLatin1String key) const;
    std::optional<QString> string(QLatin1String key, Need need = Optional);
    std::optional<double> number(QLatin1String key, Need need = Optional);
    std::optional<qint64> integer(QLatin1String key, Need need = Optional);
    std::optional<bool> boolean(QLatin1String key, Need need = Optional);
    std::optional<QUuid> uuid(QLatin1String key, Need need = Optional);
    std::optional<QDateTime> date(QLatin1String key, Need need = Optional);
    std::optional<QJsonArray> array(QLatin1String key, Need need = Optional);
    // A reader for the object under `key`; one of an empty object when there is none.
    JsonFields object(QLatin1String key, Need need = Optional);
    // A reader for each object in the list under `key`; none when the list is absent or holds
    // anything but objects.
    QList<JsonFields> objects(QLatin1String key, Need need = Optional);
    // Element `index` of `list`, the list under `key`, which must be an object.
    std::optional<QJsonObject> objectAt(const QJsonArray &list, qsizetype index, QLatin1String key);

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

    // Records the error `key: what` (or `key[index]: what`) unless an earlier one is kept.
    void fail(QLatin1String key, const QString &what);
    void fail(QLatin1String key, qsizetype index, const QString &what);
    // Records an error met inside the record at `key[index]` (its message names the field).
    void failInside(QLatin1String key, qsizetype index, const QString &message);

    bool failed() const { return !m_error->isEmpty(); }
    const QString &error() const { return *m_error; }

private:
    JsonFields(QJsonObject object, QString path, std::shared_ptr<QString> error);

    // Where `key` (or its element `index`) sits in the document, for messages.
    QString pathOf(QLatin1String key) const;
    QString pathOf(QLatin1String key, qsizetype index) const;
    void failWith(const QString &message);
    // The document in `bytes`; a null one, and an error, when it is not JSON.
    QJsonDocument parse(const QByteArray &bytes);
    // The value of `key`, or undefined when it is missing or null (an error if required).
    QJsonValue present(QLatin1String key, Need need);
    bool expect(bool rightType, QLatin1String key, const char *what);
    QList<JsonFields> elements(const QJsonArray &list, QLatin1String key);

    QJsonObject m_object;
    QString m_path; // empty for the top level
    std::shared_ptr<QString> m_error = std::make_shared<QString>();
};

// A UUID in the 36-character 8-4-4-4-12 form (either case); anything else is no id.
std::optional<QUuid> parseUuidText(const QString &text);
