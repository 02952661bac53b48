// SPDX-License-Identifier: MIT
#pragma once

#include "sources/deployinfo.h"

#include <QDateTime>
#include <QList>
#include <QString>

// The one-word state of a project's deployments.
// Raw facts only: the display text is made when it is shown, in the language of that moment.
struct DeployStatus {
    enum class Kind { Ready, Error, Unknown, TokenMissing, NotConfigured, Building };
    // What an error says: a message of its own (a service's error text, a failed request), or
    // one of the two fixed texts that are translated when shown.
    enum class Failure { Message, NoDeploys, BuildFailed };

    Kind kind = Kind::Unknown;
    QDateTime deployedAt;               // Ready only
    QString message;                    // Error with Failure::Message only
    Failure failure = Failure::Message; // Error only

    static DeployStatus ready(const QDateTime &deployedAt) { return of(Kind::Ready, deployedAt); }
    static DeployStatus error(const QString &message) { return of(Kind::Error, {}, message); }
    static DeployStatus noDeploys() { return of(Kind::Error, {}, {}, Failure::NoDeploys); }
    static DeployStatus buildFailed() { return of(Kind::Error, {}, {}, Failure::BuildFailed); }
    static DeployStatus unknown() { return {}; }
    static DeployStatus tokenMissing() { return of(Kind::TokenMissing); }
    static DeployStatus notConfigured() { return of(Kind::NotConfigured); }
    static DeployStatus building() { return of(Kind::Building); }

    // Derived from the newest production deployment of a list (newest first); a list without
    // one has no deploy.
    static DeployStatus from(const QList<DeployInfo> &deploys);

    friend bool operator==(const DeployStatus &, const DeployStatus &) = default;

private:
    static DeployStatus of(Kind kind, QDateTime deployedAt = {}, QString message = {},
                           Failure failure = Failure::Message)
    {
        DeployStatus status;
        status.kind = kind;
        status.deployedAt = std::move(deployedAt);
        status.message = std::move(message);
        status.failure = failure;
        return status;
    }
};
