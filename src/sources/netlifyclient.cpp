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
    const QString deploys = QStringLiteral("/api/v1/sites/") + UrlPath::escapeSegment(siteID) +
                            QStringLiteral("/deploys");
    const QUrl url =
        UrlPath::join(m_base, deploys + QStringLiteral("?per_page=") + QString::number(count));
    const QUrl production =
        UrlPath::join(m_base, deploys + QStringLiteral("?production=true&per_page=1"));
    // A creation date that does not parse is the time of the answer.
    const auto decodeNow = [](const QByteArray &body) {
        return decode(body, QDateTime::currentDateTimeUtc());
    };
    DeployResult (*const decoder)(const QByteArray &) = decodeNow;
    co_return co_await fetchDeployList(m_fetcher, url, production, std::move(token), decoder);
}

DeployContext NetlifyClient::context(const std::optional<QString> &word)
{
    // Answers without a context come from before Netlify had previews: the site itself.
    if (!word || *word == u"production")
        return DeployContext::Production;
    if (*word == u"deploy-preview")
        return DeployContext::Preview;
    return DeployContext::Branch; // "branch-deploy", and contexts of the user's own naming
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
        deploy.context = context(item.string("context"_L1));
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
