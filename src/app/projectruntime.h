// SPDX-License-Identifier: MIT
#pragma once

#include "sources/commitinfo.h"
#include "sources/deployinfo.h"
#include "sources/deployresult.h"
#include "sources/deploystatus.h"
#include "sources/githubstatus.h"
#include "sources/gitstatus.h"

#include <QHash>
#include <QList>
#include <QUuid>

#include <optional>

// The live status of one project; never persisted.
struct ProjectRuntime {
    DeployStatus deploy;
    GitStatus git;
    std::optional<GitHubStatus> github;
    QList<DeployInfo> deploys; // newest first
    QList<CommitInfo> commits; // newest first

    // A fetched list replaces the deployments and decides the status; a failed request shows
    // its error while the previous list stays.
    void applyDeploys(const DeployResult &result)
    {
        if (const auto *list = std::get_if<QList<DeployInfo>>(&result)) {
            deploys = *list;
            deploy = DeployStatus::from(*list);
        } else {
            deploy = DeployStatus::error(std::get<FetchError>(result).message);
        }
    }

    friend bool operator==(const ProjectRuntime &, const ProjectRuntime &) = default;
};

using RuntimeMap = QHash<QUuid, ProjectRuntime>;
