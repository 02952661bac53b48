// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QList>
#include <QUuid>

#include <utility>

// How an item model over the application model follows a changed list without a reset: the
// single-row moves, and the inserts and removes of runs, that turn the rows it shows into the
// rows it should show. Rows that stay are moved, never removed and inserted again, so their
// selection and persistent indexes survive, also across parents (a project dragged into a
// folder keeps its selection).
namespace RowDiff {

struct Step {
    enum class Kind { Insert, Move, Remove };
    Kind kind = Kind::Insert;
    // Insert and Remove: where, and how many rows; Move: the destination.
    int section = 0;
    int row = 0;
    int count = 1;
    // Move only: where the row is now.
    int fromSection = 0;
    int fromRow = 0;
    QList<QUuid> ids; // Insert only: the new rows
    bool operator==(const Step &) const = default;
};

// The steps, in the order to apply them, from `current` to `desired`: row ids per section
// (a flat list is one section), both with the same number of sections and each id at most
// once over all sections. Destinations count rows before the move, as beginMoveRows does.
QList<Step> steps(QList<QList<QUuid>> current, const QList<QList<QUuid>> &desired);

// Applies one step to `rows`, as a model does between its begin and end calls.
void apply(QList<QList<QUuid>> &rows, const Step &step);

} // namespace RowDiff

// An item model base that follows a changed list through RowDiff, each step inside its row
// signals. The model says which rows it shows (ids per section), which index is the parent of
// a section's rows (the invalid index for a flat list), and stores the rows after each step.
template<typename Base> class RowDiffModel : public Base {
public:
    using Base::Base;

protected:
    void follow(const QList<QList<QUuid>> &desired)
    {
        QList<QList<QUuid>> rows = shownRows();
        for (const RowDiff::Step &step : RowDiff::steps(rows, desired)) {
            const QModelIndex parent = sectionIndex(step.section);
            switch (step.kind) {
            case RowDiff::Step::Kind::Insert:
                this->beginInsertRows(parent, step.row, step.row + step.count - 1);
                break;
            case RowDiff::Step::Kind::Remove:
                this->beginRemoveRows(parent, step.row, step.row + step.count - 1);
                break;
            case RowDiff::Step::Kind::Move:
                this->beginMoveRows(sectionIndex(step.fromSection), step.fromRow, step.fromRow,
                                    parent, step.row);
                break;
            }
            RowDiff::apply(rows, step);
            storeRows(rows, step);
            switch (step.kind) {
            case RowDiff::Step::Kind::Insert:
                this->endInsertRows();
                break;
            case RowDiff::Step::Kind::Remove:
                this->endRemoveRows();
                break;
            case RowDiff::Step::Kind::Move:
                this->endMoveRows();
                break;
            }
        }
    }

    // A flat list that keeps one `Entry` per id in `shown`: follows `rows`, stores `entries`
    // and reports dataChanged for each row whose entry differs from before.
    template<typename Entry>
    void followRows(const QList<QUuid> &rows, QHash<QUuid, Entry> entries,
                    QHash<QUuid, Entry> &shown)
    {
        follow({rows});
        const QHash<QUuid, Entry> before = std::exchange(shown, std::move(entries));
        for (int row = 0; row < rows.size(); ++row) {
            const auto old = before.constFind(rows[row]);
            if (old != before.cend() && *old != shown.value(rows[row]))
                Q_EMIT this->dataChanged(this->index(row, 0), this->index(row, 0));
        }
    }

    virtual QList<QList<QUuid>> shownRows() const = 0;
    virtual QModelIndex sectionIndex(int section) const = 0;
    // Called between the begin and end signals of `step` with the rows after it.
    virtual void storeRows(const QList<QList<QUuid>> &rows, const RowDiff::Step &step) = 0;
};
