// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct CommitInfo {
    QString id;           // abbreviated hash
    QString message;      // subject line
    QString relativeDate; // git's own wording

    friend bool operator==(const CommitInfo &, const CommitInfo &) = default;
};
