// SPDX-License-Identifier: MIT
#pragma once

#include "app/deployservice.h"
#include "app/tokenservice.h"

#include <QList>

#include <optional>

// Every service the application talks to with a token, as data: the deploy services in the
// order they win when a project has the ids of several, and GitHub, which takes a token but
// deploys nothing. Handed to the model and the command line, so tests can bring their own.
struct ServiceTable {
    QList<DeployService> deploys;
    TokenService github;

    // Every token a user can give, in the settings' order: the deploy services', then GitHub's.
    QList<TokenService> tokenServices() const;
    const DeployService *deployServiceOf(const ProjectConfig &project) const
    {
        return ::deployServiceOf(deploys, project);
    }
    // The service whose token the overview's banner asks for; none when no row wants one.
    std::optional<TokenService> bannerService() const;

    friend bool operator==(const ServiceTable &, const ServiceTable &) = default;
};
