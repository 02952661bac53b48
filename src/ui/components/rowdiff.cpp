// SPDX-License-Identifier: MIT
#include "ui/components/rowdiff.h"

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
    for (int section = 0; section < desired.size(); ++section) {
        const QList<QUuid> &wanted = desired[section];
        int row = 0;
        while (row < wanted.size()) {
            const QUuid &id = wanted[row];
            const QList<QUuid> &have = current[section];
            if (row < have.size() && have[row] == id) {
                ++row;
                continue;
            }
            const Place place = find(current, id);
            if (place.section >= 0) {
                Step move{Step::Kind::Move, section, row, 1, place.section, place.row, {}};
                take(move);
                ++row;
                continue;
            }
            // A run of ids shown nowhere yet goes in at once.
            Step insert{Step::Kind::Insert, section, row, 0, 0, 0, {}};
            while (row + insert.count < wanted.size() &&
                   find(current, wanted[row + insert.count]).section < 0) {
                insert.ids.append(wanted[row + insert.count]);
                ++insert.count;
            }
            take(insert);
            row += insert.count;
        }
    }
    // Whatever is left after each section's wanted rows is shown nowhere any more.
    for (int section = 0; section < desired.size(); ++section) {
        const int extra = int(current[section].size() - desired[section].size());
        if (extra > 0)
            take({Step::Kind::Remove, section, int(desired[section].size()), extra, 0, 0, {}});
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
