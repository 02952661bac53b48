// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// What a deployment was built for: the site itself, a pull request's preview, or another
// branch. Only production deployments say whether the site works.
enum class DeployContext { Production, Preview, Branch };

// One deployment at Netlify or Vercel (Vercel's state word already normalised).
struct DeployInfo {
    QString id;
    QString state;
    QDateTime createdAt;
    std::optional<QString> errorMessage;
    std::optional<QString> branch;
    DeployContext context = DeployContext::Production;

    friend bool operator==(const DeployInfo &, const DeployInfo &) = default;
};

// The first production deployment of a list (newest first); null when it holds none.
const DeployInfo *newestProduction(const QList<DeployInfo> &deploys);
// Whether a state word says the deployment is still on its way (queued or building).
bool isInProgress(const QString &state);
