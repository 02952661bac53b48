// SPDX-License-Identifier: MIT
#include "ui/components/rowdiff.h"

#include <QSet>

namespace RowDiff {

namespace {

struct Place {
    int section = -1;
    int row = -1;
};

Place find(const QList<QList<QUuid>> &rows, const QUuid &id)
{
    for (int section = 0; section < rows.size(); ++section) {
        const qsizetype row = rows[section].indexOf(id);
        if (row >= 0)
            return {section, int(row)};
    }
    return {};
}

} // namespace

QList<Step> steps(QList<QList<QUuid>> current, const QList<QList<QUuid>> &desired)
{
    QList<Step> result;
    const auto take = [&](const Step &step) {
        apply(current, step);
        result.append(step);
    };
    QSet<QUuid> wanted;
    for (const QList<QUuid> &section : desired) {
        for (const QUuid &id : section)
            wanted.insert(id);
    }
    // Rows shown nowhere any more go first, a run at a time from the end, so that the rows
    // that stay keep their places without moving (one card restored from the top of a long
    // archive is one removal, not a move of every row below it).
    QSet<QUuid> shown;
    for (int section = 0; section < current.size(); ++section) {
        for (int row = int(current[section].size()) - 1; row >= 0;) {
            if (wanted.contains(current[section][row])) {
                shown.insert(current[section][row]);
                --row;
                continue;
            }
            int first = row;
            while (first > 0 && !wanted.contains(current[section][first - 1]))
                --first;
            take({Step::Kind::Remove, section, first, row - first + 1, 0, 0, {}});
            row = first - 1;
        }
    }
    // Every row left is wanted somewhere: each section takes its rows from wherever they are,
    // pushing those wanted by a later section to its end, where that section takes them.
    for (int section = 0; section < desired.size(); ++section) {
        const QList<QUuid> &wantedHere = desired[section];
        int row = 0;
        while (row < wantedHere.size()) {
            const QUuid &id = wantedHere[row];
            const QList<QUuid> &have = current[section];
            if (row < have.size() && have[row] == id) {
                ++row;
                continue;
            }
            if (shown.contains(id)) {
                const Place place = find(current, id);
                take({Step::Kind::Move, section, row, 1, place.section, place.row, {}});
                ++row;
                continue;
            }
            // A run of ids shown nowhere yet goes in at once.
            Step insert{Step::Kind::Insert, section, row, 0, 0, 0, {}};
            while (row + insert.count < wantedHere.size() &&
                   !shown.contains(wantedHere[row + insert.count])) {
                insert.ids.append(wantedHere[row + insert.count]);
                ++insert.count;
            }
            for (const QUuid &added : std::as_const(insert.ids))
                shown.insert(added);
            take(insert);
            row += insert.count;
        }
    }
    return result;
}

void apply(QList<QList<QUuid>> &rows, const Step &step)
{
    switch (step.kind) {
    case Step::Kind::Insert: {
        QList<QUuid> &section = rows[step.section];
        for (int i = 0; i < step.ids.size(); ++i)
            section.insert(step.row + i, step.ids[i]);
        break;
    }
    case Step::Kind::Remove:
        rows[step.section].remove(step.row, step.count);
        break;
    case Step::Kind::Move: {
        const QUuid id = rows[step.fromSection].takeAt(step.fromRow);
        // A destination below the row's old place in the same section counts that place.
        const int row =
            step.fromSection == step.section && step.row > step.fromRow ? step.row - 1 : step.row;
        rows[step.section].insert(row, id);
        break;
    }
    }
}

} // namespace RowDiff
