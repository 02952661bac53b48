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

// How much of a commit id a detached HEAD shows.
constexpr int shortCommitLength = 7;

// `symbolic-ref --short -q HEAD`: the trimmed branch name, or nothing when empty.
std::optional<QString> branch(const QString &output);
// `status --porcelain`: the number of non-empty lines.
int changeCount(const QString &output);
// `rev-list --left-right --count @{u}...HEAD`: (behind, ahead), or (0, 0) unless exactly two
// integers can be read.
std::pair<int, int> behindAhead(const QString &output);
// `status --porcelain=v2 --branch --show-stash`: the status the commands of the fallback would
// give together (without a `branch.ab` header nothing is ahead or behind; every line that is
// not a header is one change; a detached HEAD names its short commit, or is notAvailable before
// the first commit; a branch names its upstream only once it has commits), or nothing when the
// output names no branch head. `unpublished` is set for any branch with commits and no
// upstream: whether there is a remote to push to is not in the output.
std::optional<GitStatus> statusSummary(const QString &output);
// The status both readings build: `head` is the branch, or the full commit when detached.
GitStatus summarised(const QString &head, bool detached, int changes,
                     std::pair<int, int> behindAhead, const std::optional<QString> &upstream,
                     bool hasCommits, int stashes);
// `log -n N --pretty=%h%x1f%s%x1f%ct`; a line whose time is no number of seconds is skipped.
QList<CommitInfo> commits(const QString &output);

} // namespace GitOutput
