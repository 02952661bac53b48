// SPDX-License-Identifier: MIT
#pragma once

#include "sources/deployclient.h"

#include <QCoroTask>
#include <QString>
#include <QUrl>

class HttpFetcher;

class VercelClient final : public DeployClient {
public:
    VercelClient(const HttpFetcher &fetcher, QUrl base);

    // GET <base>/v6/deployments?projectId=<projectID>&limit=<count>
    QCoro::Task<DeployResult> fetchDeploys(QString projectID, QString token,
                                           int count) const override;

    static DeployResult decode(const QByteArray &body);
    // Upper-cased state word to the shared vocabulary.
    static QString normalizedState(const QString &upperCased);

private:
    const HttpFetcher &m_fetcher;
    QUrl m_base;
};
