// SPDX-License-Identifier: MIT
#pragma once

#include "sources/deployclient.h"

#include <QCoroTask>
#include <QString>
#include <QUrl>

class HttpFetcher;

class NetlifyClient final : public DeployClient {
public:
    NetlifyClient(const HttpFetcher &fetcher, QUrl base);

    // GET <base>/api/v1/sites/<siteID>/deploys?per_page=<count>
    QCoro::Task<DeployResult> fetchDeploys(QString siteID, QString token, int count) const override;

    // The body of that request; an error carries the JSON reader's description.
    static DeployResult decode(const QByteArray &body, const QDateTime &now);
    // A deploy's "context": "production" (or none), "deploy-preview", "branch-deploy".
    static DeployContext context(const std::optional<QString> &word);

private:
    const HttpFetcher &m_fetcher;
    QUrl m_base;
};
