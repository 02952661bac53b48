// SPDX-License-Identifier: MIT
#pragma once

#include "app/servicetable.h"
#include "model/projectstatus.h"

#include <QHash>
#include <QString>

#include <optional>

namespace AddCommand {

struct Options {
    QString path; // as typed; empty = the current folder
    std::optional<QString> name;
    std::optional<QString> emoji;
    std::optional<QString> siteURL;
    std::optional<QString> githubURL; // given, even empty: the origin remote is not consulted
    // Ids for the deploy services, by the service's key, as given (even empty).
    QHash<QString, std::optional<QString>> deployIDs;
    ProjectStatus status = ProjectStatus::Development;
};

// Tracks a folder as the project editor would save it and prints one line saying what was
// added. Without a GitHub address, a GitHub `origin` remote gives it. Refused (exit 1, nothing
// written) for a path that is not a folder, a folder already tracked (compared by canonical
// path, so through a link too), an unreadable data file, a lock that cannot be taken (the
// desktop application holds it for its whole life; another `add` only briefly, so a held
// lock is waited for first); exit 1 with the reason when the save fails.
int run(const Options &options, const ServiceTable &services);

} // namespace AddCommand
