// SPDX-License-Identifier: MIT
#include "sources/serviceendpoints.h"

#include <QtGlobal>

namespace {

QUrl overridden(const char *name, const QUrl &fallback)
{
    const QString value = qEnvironmentVariable(name).trimmed();
    return value.isEmpty() ? fallback : QUrl(value);
}

} // namespace

ServiceEndpoints ServiceEndpoints::defaults()
{
    return {
        QUrl(QStringLiteral("https://api.netlify.com")),
        QUrl(QStringLiteral("https://api.vercel.com")),
        QUrl(QStringLiteral("https://api.github.com")),
        QUrl(QStringLiteral("https://quaylin.app/downloads/quaylin/version.json")),
    };
}

ServiceEndpoints ServiceEndpoints::fromEnvironment()
{
    const ServiceEndpoints fallback = defaults();
    return {
        overridden("QUAYLIN_NETLIFY_API", fallback.netlify),
        overridden("QUAYLIN_VERCEL_API", fallback.vercel),
        overridden("QUAYLIN_GITHUB_API", fallback.github),
        overridden("QUAYLIN_UPDATE_URL", fallback.updateManifest),
    };
}
