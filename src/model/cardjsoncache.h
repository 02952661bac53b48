// SPDX-License-Identifier: MIT
#pragma once

#include "model/taskcard.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QUuid>

// Remembers the JSON object last written for each card. Every change saves the whole document,
// and usually one card differs from the previous save; only that one needs building again.
class CardJsonCache final {
public:
    // The cards' objects, in order; an unchanged card's object comes from the previous call.
    QJsonArray write(const QList<TaskCard> &cards);

private:
    struct Entry {
        TaskCard card;
        QJsonObject object;
    };
    QHash<QUuid, Entry> m_entries; // the cards of the previous call only
};
