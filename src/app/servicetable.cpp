// SPDX-License-Identifier: MIT
#include "app/servicetable.h"

QList<TokenService> ServiceTable::tokenServices() const
{
    QList<TokenService> services;
    for (const DeployService &service : deploys)
        services.append(service.token);
    services.append(github);
    return services;
}

std::optional<TokenService> ServiceTable::bannerService() const
{
    for (const TokenService &service : tokenServices()) {
        if (!service.bannerTitle.isEmpty())
            return service;
    }
    return std::nullopt;
}
