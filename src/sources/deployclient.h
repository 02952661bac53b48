// SPDX-License-Identifier: MIT
#pragma once

#include "sources/deployresult.h"

#include <QCoroTask>
#include <QString>

// What the refresh asks of every deploy service: the latest deployments of one of its sites or
// projects. Failures come back as a FetchError; nothing throws.
class DeployClient {
public:
    virtual ~DeployClient() = default;

    // `id` as the project stores it; at most `count` deployments, newest first.
    virtual QCoro::Task<DeployResult> fetchDeploys(QString id, QString token, int count) const = 0;
};
