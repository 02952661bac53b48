// SPDX-License-Identifier: MIT
#include "app/deployservice.h"

#include "sources/deployclient.h"

std::optional<QString> DeployService::idOf(const ProjectConfig &project) const
{
    const std::optional<QString> &id = project.*projectID;
    if (!id || id->isEmpty())
        return std::nullopt;
    return id;
}

const DeployService *deployServiceOf(const QList<DeployService> &services,
                                     const ProjectConfig &project)
{
    for (const DeployService &service : services) {
        if (service.idOf(project))
            return &service;
    }
    return nullptr;
}
