// SPDX-License-Identifier: MIT
#include "sources/deploystatus.h"

#include "services/formatters.h"
#include "services/localization.h"

namespace {

bool isLive(const QString &state)
{
    return state == u"ready" || state == u"current";
}

// Netlify's intermediate states (prepared, processed, retrying included) and Vercel's
// normalised "building": the newest deployment is still on its way.
bool isInProgress(const QString &state)
{
    static const QStringList words = {
        QStringLiteral("building"),  QStringLiteral("enqueued"), QStringLiteral("processing"),
        QStringLiteral("uploading"), QStringLiteral("uploaded"), QStringLiteral("preparing"),
        QStringLiteral("new"),       QStringLiteral("prepared"), QStringLiteral("processed"),
        QStringLiteral("retrying"),
    };
    return words.contains(state);
}

} // namespace

DeployStatus DeployStatus::from(const QList<DeployInfo> &deploys)
{
    if (deploys.isEmpty())
        return error(L(QStringLiteral("žádný deploy")));
    const DeployInfo &newest = deploys.constFirst();
    if (isLive(newest.state))
        return ready(newest.createdAt);
    if (isInProgress(newest.state))
        return building();
    if (newest.state == u"error")
        return error(newest.errorMessage.value_or(L(QStringLiteral("build selhal"))));
    return error(newest.state);
}

QString DeployStatus::label() const
{
    switch (kind) {
    case Kind::Ready:
        return L(QStringLiteral("Nasazeno")) + QLatin1Char(' ') + Formatters::relative(deployedAt);
    case Kind::Error:
        return L(QStringLiteral("Chyba")) + QStringLiteral(": ") + message;
    case Kind::Unknown:
        return L(QStringLiteral("Načítám…"));
    case Kind::TokenMissing:
        return L(QStringLiteral("Čeká na token"));
    case Kind::NotConfigured:
        return L(QStringLiteral("Bez nasazení"));
    case Kind::Building:
        return L(QStringLiteral("Nasazuje se…"));
    }
    return {};
}
