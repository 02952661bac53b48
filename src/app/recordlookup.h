// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QUuid>

// The first record with that id, or null: look-ups by id act on the first match only.
template<typename T> T *findById(QList<T> &records, const QUuid &id)
{
    for (T &record : records) {
        if (record.id == id)
            return &record;
    }
    return nullptr;
}
