// SPDX-License-Identifier: MIT
#pragma once

#include "sources/commitinfo.h"
#include "sources/gitstatus.h"

#include <QCoroTask>
#include <QList>
#include <QPointer>
#include <QString>

class ProcessRunner;

// Reads a project folder's repository with query commands of /usr/bin/git only. Never fails:
// problems fold into notAvailable, zero counts or an empty list.
class GitReader final {
public:
    static constexpr auto gitPath = "/usr/bin/git";

    // The runner should carry GIT_OPTIONAL_LOCKS=0 (see configureRunner).
    explicit GitReader(ProcessRunner &runner);

    // Adds the environment every git child needs.
    static void configureRunner(ProcessRunner &runner);

    // One `git status --porcelain=v2 --branch --show-stash` and the git directory's files;
    // where that command fails, the same answer from separate older commands.
    QCoro::Task<GitStatus> status(QString path) const;
    QCoro::Task<QList<CommitInfo>> recentCommits(QString path, int count) const;

private:
    // Watched, not trusted: a refresh may still call the reader after its runner is gone.
    QPointer<ProcessRunner> m_runner;
};
