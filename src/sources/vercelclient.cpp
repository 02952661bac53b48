// SPDX-License-Identifier: MIT
#include "sources/vercelclient.h"

#include "services/localization.h"
#include "sources/httpfetcher.h"
#include "sources/jsonreader.h"
#include "sources/urlpath.h"

#include <cmath>

namespace {

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
    const QUrl url = UrlPath::join(m_base, QStringLiteral("/v6/deployments?projectId=") +
                                               UrlPath::escapeQueryValue(projectID) +
                                               QStringLiteral("&limit=") + QString::number(count));
    if (!url.isValid())
        co_return FetchError{QStringLiteral("neplatné URL")};

    const auto answer = co_await m_fetcher.getWithBearer(url, std::move(token));
    const auto *body = std::get_if<QByteArray>(&answer);
    if (!body)
        co_return std::get<FetchError>(answer);
    co_return decode(*body);
}

DeployResult VercelClient::decode(const QByteArray &body)
{
    JsonReader json;
    const QJsonObject root = json.object(json.parse(body), {});
    const QString listPath = QStringLiteral("deployments");
    const QJsonArray items = json.requiredArray(root, listPath, {});
    QList<DeployInfo> deploys;
    deploys.reserve(items.size());
    for (qsizetype i = 0; i < items.size() && json.ok(); ++i) {
        const QString at = JsonReader::path(listPath, i);
        const QJsonObject item = json.object(items.at(i), at);
        DeployInfo deploy;
        deploy.id = json.requiredString(item, u"uid", at);
        const double created = json.requiredNumber(item, u"created", at);
        const auto readyState = json.optionalString(item, u"readyState", at);
        const auto state = json.optionalString(item, u"state", at);
        const auto meta = json.optionalObject(item, u"meta", at);
        if (meta)
            deploy.branch =
                json.optionalString(*meta, u"githubCommitRef", JsonReader::path(at, u"meta"));
        if (!std::isfinite(created) || std::abs(created) > latestMilliseconds)
            json.fail(JsonReader::path(at, u"created"), QStringLiteral("čas mimo rozsah"));
        if (!json.ok())
            break;

        deploy.state = normalizedState(readyState.value_or(state.value_or(QString())).toUpper());
        // Milliseconds since 1970; QDateTime holds whole milliseconds, so only finer parts go.
        deploy.createdAt = QDateTime::fromMSecsSinceEpoch(std::llround(created), Qt::UTC);
        if (deploy.state == u"error")
            deploy.errorMessage = L(QStringLiteral("build selhal"));
        deploys.append(std::move(deploy));
    }
    if (!json.ok())
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
