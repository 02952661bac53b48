// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// What git is in the middle of, from the files it leaves in the git directory.
enum class GitOperation { None, Merge, Rebase, CherryPick, Revert, Bisect };

// The state of a project's git repository.
struct GitStatus {
    enum class Kind { Clean, Dirty, Unknown, NotAvailable };

    Kind kind = Kind::Unknown;
    QString branch;  // Clean and Dirty only; the short commit when detached
    int changes = 0; // Dirty only
    int ahead = 0;
    int behind = 0;
    // The rest: Clean and Dirty only.
    bool detached = false;
    std::optional<QString> upstream; // "origin/main"
    // On a branch with commits, without an upstream, in a repository that has a remote: work
    // that exists nowhere else.
    bool unpublished = false;
    int stashes = 0;
    GitOperation operation = GitOperation::None;

    static GitStatus clean(QString branch, int ahead, int behind);
    static GitStatus dirty(QString branch, int changes, int ahead, int behind);
    static GitStatus unknown() { return {}; }
    static GitStatus notAvailable();

    bool isRepository() const { return kind == Kind::Clean || kind == Kind::Dirty; }
    // A branch name GitHub can be asked about.
    bool hasBranch() const { return isRepository() && !detached; }

    friend bool operator==(const GitStatus &, const GitStatus &) = default;
};
