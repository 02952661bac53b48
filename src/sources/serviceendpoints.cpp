// SPDX-License-Identifier: MIT
#include "sources/serviceendpoints.h"

#include <QtGlobal>

ServiceEndpoints ServiceEndpoints::defaults()
{
    return {
        QUrl(QStringLiteral("https://api.github.com")),
        QUrl(QStringLiteral("https://quaylin.app/downloads/quaylin/version.json")),
    };
}

ServiceEndpoints ServiceEndpoints::fromEnvironment()
{
    const ServiceEndpoints fallback = defaults();
    return {
        overridden(QStringLiteral("QUAYLIN_GITHUB_API"), fallback.github),
        overridden(QStringLiteral("QUAYLIN_UPDATE_URL"), fallback.updateManifest),
    };
}

QUrl ServiceEndpoints::overridden(const QString &variable, const QUrl &fallback)
{
    const QString value = qEnvironmentVariable(variable.toLocal8Bit().constData()).trimmed();
    return value.isEmpty() ? fallback : QUrl(value);
}
