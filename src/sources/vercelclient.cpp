// SPDX-License-Identifier: MIT
#include "sources/vercelclient.h"

#include "model/jsonfields.h"
#include "sources/httpfetcher.h"
#include "sources/urlpath.h"

#include <cmath>

namespace {

using namespace Qt::StringLiterals;
using enum JsonFields::Need;

// The span of JavaScript dates (±100 million days), which is what "created" is.
constexpr double latestMilliseconds = 8.64e15;

} // namespace

VercelClient::VercelClient(const HttpFetcher &fetcher, QUrl base)
    : m_fetcher(fetcher)
    , m_base(std::move(base))
{
}

QCoro::Task<DeployResult> VercelClient::fetchDeploys(QString projectID, QString token,
                                                     int count) const
{
    const QString deployments =
        QStringLiteral("/v6/deployments?projectId=") + UrlPath::escapeQueryValue(projectID);
    const QUrl url =
        UrlPath::join(m_base, deployments + QStringLiteral("&limit=") + QString::number(count));
    const QUrl production =
        UrlPath::join(m_base, deployments + QStringLiteral("&target=production&limit=1"));
    co_return co_await fetchDeployList(m_fetcher, url, production, std::move(token),
                                       &VercelClient::decode);
}

DeployResult VercelClient::decode(const QByteArray &body)
{
    JsonFields json = JsonFields::parseObject(body);
    QList<JsonFields> items = json.objects("deployments"_L1, Required);
    QList<DeployInfo> deploys;
    deploys.reserve(items.size());
    for (JsonFields &item : items) {
        DeployInfo deploy;
        deploy.id = item.string("uid"_L1, Required).value_or(QString());
        const double created = item.number("created"_L1, Required).value_or(0);
        const auto readyState = item.string("readyState"_L1);
        const auto state = item.string("state"_L1);
        deploy.branch = item.object("meta"_L1).string("githubCommitRef"_L1);
        // Vercel's target is "production" or null for a preview (custom environments too).
        deploy.context = item.string("target"_L1) == u"production" ? DeployContext::Production
                                                                   : DeployContext::Preview;
        if (!std::isfinite(created) || std::abs(created) > latestMilliseconds)
            item.fail("created"_L1, u"expected a date within range"_s);
        if (json.failed())
            break;

        deploy.state = normalizedState(readyState.value_or(state.value_or(QString())).toUpper());
        // Milliseconds since 1970; QDateTime holds whole milliseconds, so only finer parts go.
        deploy.createdAt = QDateTime::fromMSecsSinceEpoch(std::llround(created), Qt::UTC);
        deploys.append(std::move(deploy));
    }
    if (json.failed())
        return FetchError{json.error()};
    return deploys;
}

QString VercelClient::normalizedState(const QString &upperCased)
{
    if (upperCased == u"READY")
        return QStringLiteral("ready");
    if (upperCased == u"ERROR" || upperCased == u"CANCELED")
        return QStringLiteral("error");
    if (upperCased == u"BUILDING" || upperCased == u"QUEUED" || upperCased == u"INITIALIZING" ||
        upperCased == u"DEPLOYING")
        return QStringLiteral("building");
    return upperCased.toLower();
}
