// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QUuid>

#include <algorithm>
#include <optional>

// The ordering arithmetic shared by projects, folders and cards: order is a double per record,
// new positions are found by halving between neighbours or by first − 1 / last + 1, and
// nothing is ever renumbered.
namespace SortIndex {

struct Sibling {
    QUuid id;
    double sortIndex = 0;
};

// Records ascending by sortIndex; equal indices keep their list order.
template<typename T> QList<T> stableSorted(QList<T> records)
{
    std::stable_sort(records.begin(), records.end(),
                     [](const T &a, const T &b) { return a.sortIndex < b.sortIndex; });
    return records;
}

// Siblings sorted ascending. Directly before `before` when it is among them (halfway to its
// upper neighbour, or one less when it is first); otherwise after the last (1.0 when empty).
double placement(const QList<Sibling> &sortedSiblings, const std::optional<QUuid> &before);

// One less than the smallest index, or −1.0 for none: new folders and cards go first.
double beforeFirst(const QList<double> &indices);
// One more than the largest index, or 1.0 for none: new projects go last.
double afterLast(const QList<double> &indices);

} // namespace SortIndex
