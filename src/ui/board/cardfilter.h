// SPDX-License-Identifier: MIT
#pragma once

#include "model/taskcard.h"

#include <QString>
#include <QUuid>

#include <optional>

// What the board's search field and label chips let through. A search of only white space
// filters nothing; otherwise the text as typed (spaces kept) must occur, ignoring case, in the
// title or the note. Taken literally: no pattern characters.
struct CardFilter {
    QString searchText;
    std::optional<QUuid> labelID;

    bool matches(const TaskCard &card) const;

    friend bool operator==(const CardFilter &, const CardFilter &) = default;
};
