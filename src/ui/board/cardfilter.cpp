// SPDX-License-Identifier: MIT
#include "ui/board/cardfilter.h"

bool CardFilter::matches(const TaskCard &card) const
{
    if (labelID && !card.labelIDs.contains(*labelID))
        return false;
    if (searchText.trimmed().isEmpty())
        return true;
    return card.title.contains(searchText, Qt::CaseInsensitive) ||
           card.note.contains(searchText, Qt::CaseInsensitive);
}
