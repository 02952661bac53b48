// SPDX-License-Identifier: MIT
#pragma once

#include "sources/commitinfo.h"
#include "sources/gitstatus.h"

#include <QList>
#include <QString>

#include <optional>
#include <utility>

// Pure parsers of the git command outputs the reader asks for.
namespace GitOutput {

// `symbolic-ref --short -q HEAD`: the trimmed branch name, or nothing when empty.
std::optional<QString> branch(const QString &output);
// `status --porcelain`: the number of non-empty lines.
int changeCount(const QString &output);
// `rev-list --left-right --count @{u}...HEAD`: (behind, ahead), or (0, 0) unless exactly two
// integers can be read.
std::pair<int, int> behindAhead(const QString &output);
// `status --porcelain=v2 --branch`: the status the three commands above would give together
// (a detached HEAD is notAvailable; without a `branch.ab` header nothing is ahead or behind;
// every line that is not a header is one change), or nothing when the output names no branch
// head.
std::optional<GitStatus> statusSummary(const QString &output);
// `log -n N --pretty=%h%x1f%s%x1f%cr`.
QList<CommitInfo> commits(const QString &output);

} // namespace GitOutput
