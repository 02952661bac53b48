// SPDX-License-Identifier: MIT
#pragma once

#include "ui/components/rowdiff.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QUuid>

// A flat list with one row per id, each showing an `Entry` (a value with ==). It follows the
// records it is given by rows: one added, removed or moved is one row inserted, removed or
// moved, and one whose entry changed repaints its row alone.
template<typename Entry> class IdRowsModel : public RowDiffModel<QAbstractListModel> {
public:
    using RowDiffModel::RowDiffModel;

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }

    // The id of the row at `index`; null for an index of no row.
    QUuid rowID(const QModelIndex &index) const
    {
        return checkIndex(index, CheckIndexOption::IndexIsValid) ? m_rows[index.row()] : QUuid();
    }

protected:
    // Shows `records` in their order; `read(record)` gives its id and entry.
    template<typename Records, typename Read> void showRecords(const Records &records, Read read)
    {
        QList<QUuid> rows;
        rows.reserve(records.size());
        QHash<QUuid, Entry> entries;
        entries.reserve(records.size());
        for (const auto &record : records) {
            auto [id, entry] = read(record);
            if (entries.contains(id))
                continue; // a damaged file may repeat an id; a row shows it once
            rows.append(id);
            entries.insert(id, std::move(entry));
        }
        followRows(rows, std::move(entries), m_entries);
    }

    // The entry of a row of this model, for data(); none for any other index.
    const Entry *entryAt(const QModelIndex &index) const
    {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
            return nullptr;
        const auto it = m_entries.constFind(m_rows[index.row()]);
        return it == m_entries.cend() ? nullptr : &*it;
    }

private:
    QList<QList<QUuid>> shownRows() const override { return {m_rows}; }
    QModelIndex sectionIndex(int) const override { return {}; }
    void storeRows(const QList<QList<QUuid>> &rows, const RowDiff::Step &) override
    {
        m_rows = rows.first();
    }

    QList<QUuid> m_rows;
    QHash<QUuid, Entry> m_entries;
};
