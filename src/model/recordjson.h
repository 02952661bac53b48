// SPDX-License-Identifier: MIT
#pragma once

#include "model/storedata.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <variant>

class CardJsonCache;

// The one JSON reader and writer of every persisted record. Readers apply the documented
// defaults for missing keys and fail on a missing required key, a wrong type or an unknown
// enumeration word; one bad record fails the whole document.
namespace RecordJson {

struct DecodeError {
    QString message;
    friend bool operator==(const DecodeError &, const DecodeError &) = default;
};

template<typename T> using Decoded = std::variant<T, DecodeError>;

// `now` is what a card without `createdAt` gets.
Decoded<ProjectConfig> readProject(const QJsonObject &object);
Decoded<ProjectFolder> readFolder(const QJsonObject &object);
Decoded<TaskCard> readCard(const QJsonObject &object, const QDateTime &now);
Decoded<CardLabel> readLabel(const QJsonObject &object);
Decoded<ChecklistItem> readChecklistItem(const QJsonObject &object);

QJsonObject write(const ProjectConfig &project);
QJsonObject write(const ProjectFolder &folder);
QJsonObject write(const TaskCard &card);
QJsonObject write(const CardLabel &label);
QJsonObject write(const ChecklistItem &item);

// Canonical upper-case 8-4-4-4-12 text of an id, as the file stores it.
QString uuidText(const QUuid &id);

// The whole document: pretty-printed, keys sorted, optional fields left out when absent.
// A cache, when given, spares rebuilding the cards that have not changed since its last use.
QByteArray encodeDocument(const StoreData &data, CardJsonCache *cache = nullptr);
Decoded<StoreData> decodeDocument(const QByteArray &bytes, const QDateTime &now);

} // namespace RecordJson
