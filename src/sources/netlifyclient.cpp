// SPDX-License-Identifier: MIT
#include "sources/netlifyclient.h"

#include "sources/httpfetcher.h"
#include "sources/jsonreader.h"
#include "sources/urlpath.h"

NetlifyClient::NetlifyClient(const HttpFetcher &fetcher, QUrl base)
    : m_fetcher(fetcher)
    , m_base(std::move(base))
{
}

QCoro::Task<DeployResult> NetlifyClient::fetchDeploys(QString siteID, QString token,
                                                      int count) const
{
    const QUrl url =
        UrlPath::join(m_base, QStringLiteral("/api/v1/sites/") + UrlPath::escapeSegment(siteID) +
                                  QStringLiteral("/deploys?per_page=") + QString::number(count));
    if (!url.isValid())
        co_return FetchError{QStringLiteral("neplatné URL")};

    const auto answer = co_await m_fetcher.getWithBearer(url, std::move(token));
    const auto *body = std::get_if<QByteArray>(&answer);
    if (!body)
        co_return std::get<FetchError>(answer);
    co_return decode(*body, QDateTime::currentDateTimeUtc());
}

DeployResult NetlifyClient::decode(const QByteArray &body, const QDateTime &now)
{
    JsonReader json;
    const QJsonArray items = json.array(json.parse(body), {});
    QList<DeployInfo> deploys;
    deploys.reserve(items.size());
    for (qsizetype i = 0; i < items.size() && json.ok(); ++i) {
        const QString at = JsonReader::path({}, i);
        const QJsonObject item = json.object(items.at(i), at);
        DeployInfo deploy;
        deploy.id = json.requiredString(item, u"id", at);
        deploy.state = json.requiredString(item, u"state", at);
        const QString created = json.requiredString(item, u"created_at", at);
        deploy.errorMessage = json.optionalString(item, u"error_message", at);
        deploy.branch = json.optionalString(item, u"branch", at);
        // With fractional seconds first, then without; a date that reads neither way must not
        // cost the whole list, so it becomes the time of the request.
        deploy.createdAt = QDateTime::fromString(created, Qt::ISODateWithMs);
        if (!deploy.createdAt.isValid())
            deploy.createdAt = QDateTime::fromString(created, Qt::ISODate);
        if (!deploy.createdAt.isValid())
            deploy.createdAt = now;
        deploys.append(std::move(deploy));
    }
    if (!json.ok())
        return FetchError{json.error()};
    return deploys;
}
