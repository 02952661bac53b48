// SPDX-License-Identifier: MIT
#pragma once

#include "sources/gitstatus.h"

#include <QString>

#include <optional>

// Where a work tree keeps its repository, read from the files alone so that neither finding it
// nor watching it starts a git process.
struct GitDirectory {
    QString gitDir;    // HEAD, the index, and the files of an operation in progress
    QString commonDir; // refs, config and the stash; gitDir itself outside linked work trees

    // A `.git` folder, or a `.git` file ("gitdir: <path>", relative to the work tree) as linked
    // work trees and submodules have; a `commondir` file there points at the shared part.
    static std::optional<GitDirectory> locate(const QString &workTree);

    // Rebase before the others: a stopped rebase may leave a cherry-pick's files beside its own.
    GitOperation operation() const;
    // The stash's reflog has one line per stash entry.
    int stashCount() const;
    // A `[remote "…"]` section in the repository's config.
    bool hasRemote() const;

    friend bool operator==(const GitDirectory &, const GitDirectory &) = default;
};
