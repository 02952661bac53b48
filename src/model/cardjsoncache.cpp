// SPDX-License-Identifier: MIT
#include "model/cardjsoncache.h"

#include "model/recordjson.h"

QJsonArray CardJsonCache::write(const QList<TaskCard> &cards)
{
    QHash<QUuid, Entry> entries;
    entries.reserve(cards.size());
    QJsonArray array;
    for (const TaskCard &card : cards) {
        const auto previous = m_entries.constFind(card.id);
        // Full equality, so any changed field rebuilds the object.
        const QJsonObject object = previous != m_entries.cend() && previous->card == card
                                       ? previous->object
                                       : RecordJson::write(card);
        entries.insert(card.id, {card, object});
        array.append(object);
    }
    m_entries = std::move(entries);
    return array;
}
