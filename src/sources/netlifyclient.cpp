// SPDX-License-Identifier: MIT
#include "sources/netlifyclient.h"

#include "model/jsonfields.h"
#include "sources/httpfetcher.h"
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
    using namespace Qt::StringLiterals;
    using enum JsonFields::Need;
    JsonFields json;
    QList<JsonFields> items = json.parseList(body);
    QList<DeployInfo> deploys;
    deploys.reserve(items.size());
    for (JsonFields &item : items) {
        DeployInfo deploy;
        deploy.id = item.string("id"_L1, Required).value_or(QString());
        deploy.state = item.string("state"_L1, Required).value_or(QString());
        const QString created = item.string("created_at"_L1, Required).value_or(QString());
        deploy.errorMessage = item.string("error_message"_L1);
        deploy.branch = item.string("branch"_L1);
        // With fractional seconds first, then without; a date that reads neither way must not
        // cost the whole list, so it becomes the time of the request.
        deploy.createdAt = QDateTime::fromString(created, Qt::ISODateWithMs);
        if (!deploy.createdAt.isValid())
            deploy.createdAt = QDateTime::fromString(created, Qt::ISODate);
        if (!deploy.createdAt.isValid())
            deploy.createdAt = now;
        deploys.append(std::move(deploy));
    }
    if (json.failed())
        return FetchError{json.error()};
    return deploys;
}
