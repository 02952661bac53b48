// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// The GitHub repository behind a folder's `origin` remote, for `quaylin add`.
namespace GitHubRemote {

// The repository's web address ("https://github.com/acme/site") for a GitHub remote in https,
// ssh or scp form ("git@github.com:acme/site.git"); credentials, a trailing ".git" and "/"
// are dropped. Absent for any other host or a path that is not owner/repository.
std::optional<QString> webAddress(const QString &remote);

// The `origin` remote of the repository at `folder`, as git reports it; absent when there is
// none or git fails.
std::optional<QString> origin(const QString &folder);

} // namespace GitHubRemote
