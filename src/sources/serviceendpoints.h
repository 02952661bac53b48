// SPDX-License-Identifier: MIT
#pragma once

#include <QUrl>

// Base addresses of the web services, overridable by environment for tests and self-hosted
// servers: QUAYLIN_NETLIFY_API, QUAYLIN_VERCEL_API, QUAYLIN_GITHUB_API, QUAYLIN_UPDATE_URL.
struct ServiceEndpoints {
    QUrl netlify;
    QUrl vercel;
    QUrl github;
    QUrl updateManifest;

    static ServiceEndpoints defaults();
    static ServiceEndpoints fromEnvironment();

    friend bool operator==(const ServiceEndpoints &, const ServiceEndpoints &) = default;
};
