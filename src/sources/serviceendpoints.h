// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>

// Base addresses of the web services that are not deploy services (those carry their own in
// the service table), overridable by environment for tests and self-hosted servers:
// QUAYLIN_GITHUB_API, QUAYLIN_UPDATE_URL.
struct ServiceEndpoints {
    QUrl github;
    QUrl updateManifest;

    static ServiceEndpoints defaults();
    static ServiceEndpoints fromEnvironment();
    // The address `variable` names when it is set and not blank, else `fallback`.
    static QUrl overridden(const QString &variable, const QUrl &fallback);

    friend bool operator==(const ServiceEndpoints &, const ServiceEndpoints &) = default;
};
