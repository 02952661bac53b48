// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

struct CommitInfo {
    QString id;      // abbreviated hash
    QString message; // subject line
    QDateTime date;  // the committer's; worded relative to now when shown

    friend bool operator==(const CommitInfo &, const CommitInfo &) = default;
};
