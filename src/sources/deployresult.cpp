// SPDX-License-Identifier: MIT
#include "sources/deployresult.h"

#include "sources/httpfetcher.h"

#include <algorithm>

namespace {

QCoro::Task<DeployResult> fetchOne(const HttpFetcher &fetcher, QUrl url, QString token,
                                   DeployResult (*decode)(const QByteArray &))
{
    if (!url.isValid())
        co_return FetchError{QStringLiteral("neplatné URL")};
    const auto answer = co_await fetcher.getWithBearer(std::move(url), std::move(token));
    const auto *body = std::get_if<QByteArray>(&answer);
    if (!body)
        co_return std::get<FetchError>(answer);
    co_return decode(*body);
}

} // namespace

QCoro::Task<DeployResult> fetchDeployList(const HttpFetcher &fetcher, QUrl url, QUrl production,
                                          QString token, DeployResult (*decode)(const QByteArray &))
{
    DeployResult result = co_await fetchOne(fetcher, std::move(url), token, decode);
    auto *deploys = std::get_if<QList<DeployInfo>>(&result);
    if (!deploys || deploys->isEmpty() || newestProduction(*deploys))
        co_return result;
    const DeployResult more = co_await fetchOne(fetcher, std::move(production), token, decode);
    const auto *found = std::get_if<QList<DeployInfo>>(&more);
    const DeployInfo *newest = found ? newestProduction(*found) : nullptr;
    // Older than every preview read, or the list would have held it.
    if (newest && std::ranges::find(*deploys, newest->id, &DeployInfo::id) == deploys->cend())
        deploys->append(*newest);
    co_return result;
}
