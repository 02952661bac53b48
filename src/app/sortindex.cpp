// SPDX-License-Identifier: MIT
#include "app/sortindex.h"

namespace SortIndex {

double placement(const QList<Sibling> &sortedSiblings, const std::optional<QUuid> &before)
{
    if (before) {
        for (qsizetype i = 0; i < sortedSiblings.size(); ++i) {
            if (sortedSiblings[i].id != *before)
                continue;
            const double next = sortedSiblings[i].sortIndex;
            const double prev = i > 0 ? sortedSiblings[i - 1].sortIndex : next - 1.0;
            return (prev + next) * 0.5;
        }
    }
    return sortedSiblings.isEmpty() ? 1.0 : sortedSiblings.last().sortIndex + 1.0;
}

double beforeFirst(const QList<double> &indices)
{
    return indices.isEmpty() ? -1.0 : *std::min_element(indices.begin(), indices.end()) - 1.0;
}

double afterLast(const QList<double> &indices)
{
    return indices.isEmpty() ? 1.0 : *std::max_element(indices.begin(), indices.end()) + 1.0;
}

} // namespace SortIndex
