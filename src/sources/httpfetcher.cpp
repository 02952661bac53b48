// SPDX-License-Identifier: MIT
#include "sources/httpfetcher.h"

#include "sources/contentdecoding.h"
#include "sources/httpconnections.h"
#include "version.h"

#include <QCoroSignal>

namespace {

// More hops than any service takes; a loop ends here.
constexpr int maxRedirects = 10;

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// A line break in a header would let a value inject further headers.
bool isSafeHeaderText(const QByteArray &text)
{
    return !text.contains('\r') && !text.contains('\n') && !text.contains('\0');
}

bool hasHeader(const HttpHeaders &headers, const QByteArray &name)
{
    return HttpResponse{0, {}, headers}.header(name).has_value();
}

QByteArray requestText(const QUrl &url, const HttpHeaders &headers)
{
    QByteArray target =
        url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment);
    if (!target.startsWith('/'))
        target.prepend('/');
    QByteArray text = "GET " + target + " HTTP/1.1\r\nHost: " +
                      url.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1() +
                      "\r\n";
    // Some services (GitHub) refuse requests without a User-Agent.
    if (!hasHeader(headers, "User-Agent"))
        text += "User-Agent: Quaylin/" QUAYLIN_VERSION "\r\n";
    text += "Accept-Encoding: " + ContentDecoding::accepted() + "\r\n";
    for (const auto &[name, value] : headers)
        text += name + ": " + value + "\r\n";
    return text + "\r\n";
}

} // namespace

HttpFetcher::HttpFetcher(HttpConnections &connections, HttpLimits limits)
    : m_connections(&connections)
    , m_limits(limits)
{
}

QCoro::Task<std::variant<HttpResponse, FetchError>> HttpFetcher::get(QUrl url,
                                                                     HttpHeaders headers) const
{
    for (const auto &[name, value] : headers) {
        if (name.isEmpty() || name.contains(':') || !isSafeHeaderText(name) ||
            !isSafeHeaderText(value))
            co_return FetchError{QStringLiteral("neplatná hlavička požadavku")};
    }
    for (int hops = 0;; ++hops) {
        HttpExchange exchange(m_connections.data(), url, requestText(url, headers), m_limits);
        exchange.start();
        co_await qCoro(&exchange, &HttpExchange::finished);
        if (const auto *failure = std::get_if<FetchError>(&exchange.result()))
            co_return *failure;
        HttpResponse response = std::get<HttpResponse>(exchange.result());

        const std::optional<QByteArray> location = response.header("Location");
        if (isRedirect(response.statusCode) && location) {
            const QUrl target = url.resolved(QUrl::fromEncoded(*location));
            // Another origin must never see the request's headers (the token).
            if (HttpConnections::origin(target) != HttpConnections::origin(url))
                co_return HttpResponse{response.statusCode, {}, {}};
            if (hops == maxRedirects)
                co_return FetchError{QStringLiteral("příliš mnoho přesměrování")};
            url = target;
            continue;
        }

        auto decoded =
            ContentDecoding::decode(response.header("Content-Encoding").value_or(QByteArray()),
                                    std::move(response.body), m_limits.maxBodyBytes);
        if (auto *body = std::get_if<QByteArray>(&decoded)) {
            response.body = std::move(*body);
        } else if (response.statusCode >= 400) {
            // The server refused; its status speaks, whatever it sent along.
            response.body.clear();
        } else {
            switch (std::get<ContentDecoding::Failure>(decoded)) {
            case ContentDecoding::Failure::TooLarge:
                co_return describeReadError(HttpResponseReader::Error::BodyTooLarge);
            case ContentDecoding::Failure::Unsupported:
                co_return FetchError{QStringLiteral("nepodporované kódování obsahu")};
            case ContentDecoding::Failure::Invalid:
                co_return FetchError{QStringLiteral("obsah odpovědi nejde rozbalit")};
            }
        }
        co_return response;
    }
}

QCoro::Task<std::variant<QByteArray, FetchError>> HttpFetcher::getWithBearer(QUrl url,
                                                                             QString token) const
{
    HttpHeaders headers;
    headers.append({QByteArray("Authorization"), QByteArray("Bearer ") + token.toUtf8()});
    const auto answer = co_await get(std::move(url), std::move(headers));
    if (const auto *failure = std::get_if<FetchError>(&answer))
        co_return *failure;
    const auto &response = std::get<HttpResponse>(answer);
    if (response.statusCode != 200)
        co_return FetchError{QStringLiteral("HTTP ") + QString::number(response.statusCode)};
    co_return response.body;
}
