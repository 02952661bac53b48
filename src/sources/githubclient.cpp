// SPDX-License-Identifier: MIT
#include "sources/githubclient.h"

#include "model/jsonfields.h"
#include "sources/httpfetcher.h"
#include "sources/urlpath.h"

namespace {

using namespace Qt::StringLiterals;
using enum JsonFields::Need;
using ChecksState = GitHubStatus::ChecksState;

HttpHeaders requestHeaders(const std::optional<QString> &token)
{
    HttpHeaders headers{
        {QByteArrayLiteral("Accept"), QByteArrayLiteral("application/vnd.github+json")}};
    if (token && !token->isEmpty())
        headers.append(
            {QByteArrayLiteral("Authorization"), QByteArrayLiteral("Bearer ") + token->toUtf8()});
    return headers;
}

QString repoPath(const QString &owner, const QString &repo)
{
    return QStringLiteral("/repos/") + UrlPath::escapeSegment(owner) + QLatin1Char('/') +
           UrlPath::escapeSegment(repo);
}

// The body of a 200 answer, or nothing for any failure.
QCoro::Task<std::optional<QByteArray>> fetchBody(const HttpFetcher &fetcher, QUrl url,
                                                 std::optional<QString> token)
{
    if (!url.isValid())
        co_return std::nullopt;
    const auto answer = co_await fetcher.get(url, requestHeaders(token));
    const auto *response = std::get_if<HttpResponse>(&answer);
    if (!response || response->statusCode != 200)
        co_return std::nullopt;
    co_return response->body;
}

QCoro::Task<int> fetchOpenPRCount(const HttpFetcher &fetcher, QUrl base, QString owner,
                                  QString repo, QString branch, std::optional<QString> token)
{
    const QUrl url =
        UrlPath::join(base, repoPath(owner, repo) + QStringLiteral("/pulls?state=open&head=") +
                                UrlPath::escapeQueryValue(owner) + QLatin1Char(':') +
                                UrlPath::escapeQueryValue(branch) + QStringLiteral("&per_page=20"));
    const auto body = co_await fetchBody(fetcher, url, std::move(token));
    co_return body ? GitHubClient::openPRCount(*body).value_or(0) : 0;
}

QCoro::Task<ChecksState> fetchChecksState(const HttpFetcher &fetcher, QUrl base, QString owner,
                                          QString repo, QString ref, std::optional<QString> token)
{
    const QUrl url = UrlPath::join(base, repoPath(owner, repo) + QStringLiteral("/commits/") +
                                             UrlPath::escapeSegment(ref) +
                                             QStringLiteral("/check-runs?per_page=30"));
    const auto body = co_await fetchBody(fetcher, url, std::move(token));
    co_return body ? GitHubClient::checksState(*body).value_or(ChecksState::None)
                   : ChecksState::None;
}

} // namespace

GitHubClient::GitHubClient(const HttpFetcher &fetcher, QUrl base)
    : m_fetcher(fetcher)
    , m_base(std::move(base))
{
}

QCoro::Task<std::optional<GitHubStatus>>
GitHubClient::fetchStatus(QString githubURL, QString branch, std::optional<QString> token) const
{
    const auto slug = repoSlug(githubURL);
    if (!slug)
        co_return std::nullopt;
    const auto &[owner, repo] = *slug;
    // Both tasks start (and send) at once; the awaits only collect them.
    auto count = fetchOpenPRCount(m_fetcher, m_base, owner, repo, branch, token);
    auto checks = fetchChecksState(m_fetcher, m_base, owner, repo, branch, token);
    GitHubStatus status;
    status.openPRCount = co_await count;
    status.checks = co_await checks;
    co_return status;
}

std::optional<std::pair<QString, QString>> GitHubClient::repoSlug(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    const QStringList parts =
        url.path(QUrl::FullyDecoded).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return std::nullopt;
    // Only a trailing ".git" is the clone suffix: "acme.github.io" is a name of its own.
    QString repo = parts.at(1);
    if (repo.endsWith(QStringLiteral(".git")))
        repo.chop(4);
    // "owner/.git" names no repository; asking for it would only earn a 404.
    if (repo.isEmpty())
        return std::nullopt;
    return std::pair{parts.at(0), repo};
}

std::optional<int> GitHubClient::openPRCount(const QByteArray &body)
{
    JsonFields json;
    QList<JsonFields> pulls = json.parseList(body);
    for (JsonFields &pull : pulls)
        pull.object("head"_L1, Required).string("ref"_L1, Required);
    if (json.failed())
        return std::nullopt;
    return int(pulls.size());
}

std::optional<GitHubStatus::ChecksState> GitHubClient::checksState(const QByteArray &body)
{
    JsonFields json = JsonFields::parseObject(body);
    QList<JsonFields> runs = json.objects("check_runs"_L1, Required);
    bool running = false;
    bool failed = false;
    for (JsonFields &run : runs) {
        const QString status = run.string("status"_L1, Required).value_or(QString());
        const auto conclusion = run.string("conclusion"_L1);
        running = running || status != u"completed";
        static const QStringList failures = {QStringLiteral("failure"), QStringLiteral("timed_out"),
                                             QStringLiteral("action_required"),
                                             QStringLiteral("cancelled")};
        failed = failed || (conclusion && failures.contains(*conclusion));
    }
    if (json.failed())
        return std::nullopt;
    if (runs.isEmpty())
        return ChecksState::None;
    // A run still going outranks one that already failed.
    if (running)
        return ChecksState::Pending;
    return failed ? ChecksState::Failure : ChecksState::Success;
}
