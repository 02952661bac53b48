// SPDX-License-Identifier: MIT
#include "sources/githubgate.h"

namespace {

// How long to stay away when GitHub refuses for its limit without saying until when.
constexpr qint64 unnamedPauseSeconds = 60;

std::optional<qint64> numberHeader(const HttpResponse &response, const QByteArray &name)
{
    const std::optional<QByteArray> text = response.header(name);
    bool ok = false;
    const qint64 value = text ? text->trimmed().toLongLong(&ok) : 0;
    return ok ? std::optional(value) : std::nullopt;
}

} // namespace

GitHubGate::GitHubGate(std::function<QDateTime()> now)
    : m_now(std::move(now))
{
}

std::optional<QDateTime> GitHubGate::limitedUntil() const
{
    if (m_limitedUntil && m_now() < *m_limitedUntil)
        return m_limitedUntil;
    return std::nullopt;
}

HttpHeaders GitHubGate::conditions(const QUrl &url) const
{
    const auto found = m_answers.constFind(url);
    if (found == m_answers.cend())
        return {};
    return {{QByteArrayLiteral("If-None-Match"), found->etag}};
}

GitHubGate::Outcome
GitHubGate::take(const QUrl &url, const std::variant<HttpResponse, FetchError> &answer,
                 const std::function<std::optional<Value>(const QByteArray &)> &decode)
{
    const auto *response = std::get_if<HttpResponse>(&answer);
    if (!response)
        return Failed{};
    if (noteLimits(*response))
        return Limited{};
    if (response->statusCode == 304) {
        const auto found = m_answers.constFind(url);
        return found == m_answers.cend() ? Outcome(Failed{}) : Outcome(found->value);
    }
    if (response->statusCode != 200)
        return Failed{};
    const std::optional<Value> value = decode(response->body);
    if (!value)
        return Failed{};
    const std::optional<QByteArray> etag = response->header(QByteArrayLiteral("ETag"));
    if (etag && !etag->isEmpty())
        m_answers.insert(url, {*etag, *value});
    else
        m_answers.remove(url);
    return *value;
}

bool GitHubGate::noteLimits(const HttpResponse &response)
{
    const QDateTime now = m_now();
    const std::optional<qint64> remaining =
        numberHeader(response, QByteArrayLiteral("X-RateLimit-Remaining"));
    const std::optional<qint64> reset =
        numberHeader(response, QByteArrayLiteral("X-RateLimit-Reset"));
    const std::optional<qint64> retryAfter =
        numberHeader(response, QByteArrayLiteral("Retry-After"));
    const bool refused = response.statusCode == 403 || response.statusCode == 429;
    // A secondary limit names a pause; the primary one the moment its window starts anew.
    std::optional<QDateTime> until;
    if (refused && retryAfter)
        until = now.addSecs(qMax<qint64>(*retryAfter, 1));
    else if (remaining == 0 && reset)
        until = QDateTime::fromSecsSinceEpoch(*reset, Qt::UTC);
    else if (refused && remaining == 0)
        until = now.addSecs(unnamedPauseSeconds);
    if (until && *until > now)
        m_limitedUntil = until;
    // The last request a window allows still brings its answer.
    return refused && (retryAfter || remaining == 0);
}
