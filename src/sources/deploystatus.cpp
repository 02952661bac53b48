// SPDX-License-Identifier: MIT
#include "sources/deploystatus.h"

namespace {

bool isLive(const QString &state)
{
    return state == u"ready" || state == u"current";
}

} // namespace

DeployStatus DeployStatus::from(const QList<DeployInfo> &deploys)
{
    // A preview or branch deployment, failed or not, says nothing about the site.
    const DeployInfo *production = newestProduction(deploys);
    if (!production)
        return noDeploys();
    const DeployInfo &newest = *production;
    if (isLive(newest.state))
        return ready(newest.createdAt);
    if (isInProgress(newest.state))
        return building();
    if (newest.state == u"error")
        return newest.errorMessage ? error(*newest.errorMessage) : buildFailed();
    return error(newest.state);
}
