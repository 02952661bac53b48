// SPDX-License-Identifier: MIT
#include "sources/deploystatus.h"

namespace {

bool isLive(const QString &state)
{
    return state == u"ready" || state == u"current";
}

// Netlify's intermediate states (prepared, processed, retrying included) and Vercel's
// normalised "building": the newest deployment is still on its way.
bool isInProgress(const QString &state)
{
    static const QStringList words = {
        QStringLiteral("building"),  QStringLiteral("enqueued"), QStringLiteral("processing"),
        QStringLiteral("uploading"), QStringLiteral("uploaded"), QStringLiteral("preparing"),
        QStringLiteral("new"),       QStringLiteral("prepared"), QStringLiteral("processed"),
        QStringLiteral("retrying"),
    };
    return words.contains(state);
}

} // namespace

DeployStatus DeployStatus::from(const QList<DeployInfo> &deploys)
{
    if (deploys.isEmpty())
        return noDeploys();
    const DeployInfo &newest = deploys.constFirst();
    if (isLive(newest.state))
        return ready(newest.createdAt);
    if (isInProgress(newest.state))
        return building();
    if (newest.state == u"error")
        return newest.errorMessage ? error(*newest.errorMessage) : buildFailed();
    return error(newest.state);
}
