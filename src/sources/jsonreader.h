// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringView>

#include <optional>

// Reads a response body and its fields, checking that required keys exist and every value has
// the expected type. The first problem is kept as a human-readable description naming where it
// is ("[0].state: má být text"); after a problem the readers return empty values, so a decoder
// reads a whole item and then asks ok() once.
class JsonReader final {
public:
    QJsonValue parse(const QByteArray &body);

    QJsonArray array(const QJsonValue &value, const QString &where);
    QJsonObject object(const QJsonValue &value, const QString &where);

    QJsonArray requiredArray(const QJsonObject &object, QStringView key, const QString &where);
    QJsonObject requiredObject(const QJsonObject &object, QStringView key, const QString &where);
    QString requiredString(const QJsonObject &object, QStringView key, const QString &where);
    double requiredNumber(const QJsonObject &object, QStringView key, const QString &where);
    // Absent or null read as nothing; any other type is a problem.
    std::optional<QString> optionalString(const QJsonObject &object, QStringView key,
                                          const QString &where);
    std::optional<QJsonObject> optionalObject(const QJsonObject &object, QStringView key,
                                              const QString &where);

    // A problem found by the caller's own checks.
    void fail(const QString &where, const QString &problem);

    bool ok() const { return !m_error; }
    QString error() const { return m_error.value_or(QString()); }

    static QString path(const QString &where, QStringView key);
    static QString path(const QString &where, qsizetype index);

private:
    QJsonValue required(const QJsonObject &object, QStringView key, const QString &where);
    bool expect(bool fits, const QString &where, const QString &typeName);

    std::optional<QString> m_error;
};
