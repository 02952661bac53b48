// SPDX-License-Identifier: MIT
#pragma once

#include "sources/deployinfo.h"

#include <QDateTime>
#include <QList>
#include <QString>

// The one-word state of a project's deployments.
struct DeployStatus {
    enum class Kind { Ready, Error, Unknown, TokenMissing, NotConfigured, Building };

    Kind kind = Kind::Unknown;
    QDateTime deployedAt; // Ready only
    QString message;      // Error only

    static DeployStatus ready(const QDateTime &deployedAt) { return {Kind::Ready, deployedAt, {}}; }
    static DeployStatus error(const QString &message) { return {Kind::Error, {}, message}; }
    static DeployStatus unknown() { return {}; }
    static DeployStatus tokenMissing() { return {Kind::TokenMissing, {}, {}}; }
    static DeployStatus notConfigured() { return {Kind::NotConfigured, {}, {}}; }
    static DeployStatus building() { return {Kind::Building, {}, {}}; }

    // Derived from the newest deployment of a list (newest first).
    static DeployStatus from(const QList<DeployInfo> &deploys);

    // Display text; the relative time is computed now.
    QString label() const;

    friend bool operator==(const DeployStatus &, const DeployStatus &) = default;
};
