// SPDX-License-Identifier: MIT
#include "sources/deployinfo.h"

#include <QStringList>

#include <algorithm>

const DeployInfo *newestProduction(const QList<DeployInfo> &deploys)
{
    const auto found = std::ranges::find(deploys, DeployContext::Production, &DeployInfo::context);
    return found == deploys.cend() ? nullptr : &*found;
}

// Netlify's intermediate states (prepared, processed, retrying included) and Vercel's
// normalised "building".
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
