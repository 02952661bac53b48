// SPDX-License-Identifier: MIT
#include "sources/deployresult.h"

#include "sources/httpfetcher.h"

QCoro::Task<DeployResult> fetchDeployList(const HttpFetcher &fetcher, QUrl url, QString token,
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
