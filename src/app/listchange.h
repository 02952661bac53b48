// SPDX-License-Identifier: MIT
#pragma once

#include "app/recordfields.h"

#include <QHash>
#include <QList>
#include <QUuid>

#include <algorithm>
#include <functional>
#include <optional>

enum class ChangeDirection { Back, Forth };

// What one operation did to one list of records: the records it added, removed or changed,
// each with its value and place before and after. Only those records are kept, never the
// whole list. Applied backwards it undoes the operation, forwards it redoes it; on the list the
// operation left it restores exactly the list before (and after), and on a list that changed
// meanwhile it puts back only what the operation touched (see RecordFields::carryOver).
template<typename T> class ListChange {
public:
    struct Record {
        QUuid id;
        std::optional<T> before; // absent: the operation added it
        std::optional<T> after;  // absent: the operation removed it
        qsizetype beforeIndex = -1;
        qsizetype afterIndex = -1;
    };

    // The model never reorders a list, so records keep their relative order: after the
    // common head and tail, one walk pairs the rest by id.
    static ListChange between(const QList<T> &before, const QList<T> &after)
    {
        ListChange change;
        if (before.isSharedWith(after))
            return change;
        qsizetype head = 0;
        const qsizetype shorter = std::min(before.size(), after.size());
        while (head < shorter && before[head] == after[head])
            ++head;
        qsizetype tail = 0;
        while (tail < shorter - head &&
               before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
        const qsizetype beforeEnd = before.size() - tail;
        const qsizetype afterEnd = after.size() - tail;
        QHash<QUuid, int> ahead; // ids still to come in `after`
        for (qsizetype j = head; j < afterEnd; ++j)
            ++ahead[after[j].id];
        qsizetype i = head;
        qsizetype j = head;
        while (i < beforeEnd || j < afterEnd) {
            if (i < beforeEnd && j < afterEnd && before[i].id == after[j].id) {
                if (!(before[i] == after[j]))
                    change.m_records.append({before[i].id, before[i], after[j], i, j});
                --ahead[after[j].id];
                ++i;
                ++j;
            } else if (i < beforeEnd && ahead.value(before[i].id) == 0) {
                change.m_records.append({before[i].id, before[i], std::nullopt, i, -1});
                ++i;
            } else {
                change.m_records.append({after[j].id, std::nullopt, after[j], -1, j});
                --ahead[after[j].id];
                ++j;
            }
        }
        return change;
    }

    bool isEmpty() const { return m_records.isEmpty(); }
    const QList<Record> &records() const { return m_records; }

    // Changed values first (places still as they were), then removals from the bottom up,
    // then insertions from the top down, each at its old place. `admit` may refuse a record
    // that would come back (one whose owner is gone).
    void apply(QList<T> &list, ChangeDirection direction,
               const std::function<bool(const T &)> &admit = {}) const
    {
        const bool back = direction == ChangeDirection::Back;
        const auto from = [back](const Record &r) { return back ? r.after : r.before; };
        const auto to = [back](const Record &r) { return back ? r.before : r.after; };
        const auto fromIndex = [back](const Record &r) {
            return back ? r.afterIndex : r.beforeIndex;
        };
        const auto toIndex = [back](const Record &r) {
            return back ? r.beforeIndex : r.afterIndex;
        };

        for (const Record &record : m_records) {
            if (from(record) && to(record)) {
                if (T *current = locate(list, record.id, fromIndex(record)))
                    RecordFields::carryOver(*current, *from(record), *to(record));
            }
        }
        QList<const Record *> going;
        QList<const Record *> coming;
        for (const Record &record : m_records) {
            if (from(record) && !to(record))
                going.append(&record);
            else if (!from(record) && to(record))
                coming.append(&record);
        }
        std::ranges::sort(going, std::greater{}, [&](const Record *r) { return fromIndex(*r); });
        for (const Record *record : std::as_const(going)) {
            if (T *current = locate(list, record->id, fromIndex(*record)))
                list.removeAt(current - list.data());
        }
        std::ranges::sort(coming, std::less{}, [&](const Record *r) { return toIndex(*r); });
        for (const Record *record : std::as_const(coming)) {
            if (!admit || admit(*to(*record)))
                list.insert(std::min(toIndex(*record), list.size()), *to(*record));
        }
    }

    // Takes in a later change of the same records, so both undo as one (typing into one
    // field). Only when both only changed values of the very same records, at the same places.
    bool absorb(const ListChange &later)
    {
        if (later.m_records.size() != m_records.size())
            return false;
        for (qsizetype i = 0; i < m_records.size(); ++i) {
            const Record &mine = m_records[i];
            const Record &theirs = later.m_records[i];
            if (!mine.before || !mine.after || !theirs.before || !theirs.after ||
                mine.id != theirs.id || mine.afterIndex != theirs.beforeIndex)
                return false;
        }
        for (qsizetype i = 0; i < m_records.size(); ++i)
            m_records[i].after = later.m_records[i].after;
        return true;
    }

private:
    // The record at its remembered place when it is still there, else the first with its id.
    static T *locate(QList<T> &list, const QUuid &id, qsizetype index)
    {
        if (index >= 0 && index < list.size() && list[index].id == id)
            return &list[index];
        const auto found =
            std::ranges::find_if(list, [&](const T &record) { return record.id == id; });
        return found == list.end() ? nullptr : &*found;
    }

    QList<Record> m_records;
};
