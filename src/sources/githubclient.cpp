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

using Outcome = GitHubGate::Outcome;
using Decoder = std::optional<GitHubGate::Value> (*)(const QByteArray &);

// One request through the gate: not sent while the limit is spent, sent with the last ETag.
QCoro::Task<Outcome> ask(const HttpFetcher &fetcher, GitHubGate &gate, QUrl url,
                         std::optional<QString> token, Decoder decode)
{
    if (!url.isValid())
        co_return GitHubGate::Failed{};
    if (gate.limitedUntil())
        co_return GitHubGate::Limited{};
    const HttpHeaders headers = requestHeaders(token) + gate.conditions(url);
    const auto answer = co_await fetcher.get(url, headers);
    co_return gate.take(url, answer, decode);
}

template<typename T> T valueOr(const Outcome &outcome, T fallback)
{
    const auto *value = std::get_if<GitHubGate::Value>(&outcome);
    return value ? std::get<T>(*value) : fallback;
}

std::optional<GitHubGate::Value> decodeCount(const QByteArray &body)
{
    return GitHubClient::openPRCount(body);
}

std::optional<GitHubGate::Value> decodeChecks(const QByteArray &body)
{
    return GitHubClient::checksState(body);
}

std::optional<GitHubGate::Value> decodeCombined(const QByteArray &body)
{
    return GitHubClient::combinedState(body);
}

} // namespace

GitHubClient::GitHubClient(const HttpFetcher &fetcher, QUrl base, std::function<QDateTime()> now)
    : m_fetcher(fetcher)
    , m_base(std::move(base))
    , m_gate(std::make_unique<GitHubGate>(std::move(now)))
{
}

QCoro::Task<GitHubClient::Answer> GitHubClient::fetchStatus(QString githubURL, QString branch,
                                                            std::optional<QString> token) const
{
    const auto slug = repoSlug(githubURL);
    if (!slug)
        co_return std::nullopt;
    const auto &[owner, repo] = *slug;
    const QString path = repoPath(owner, repo);
    const QString commit = path + QStringLiteral("/commits/") + UrlPath::escapeSegment(branch);
    const QUrl pulls = UrlPath::join(
        m_base, path + QStringLiteral("/pulls?state=open&head=") +
                    UrlPath::escapeQueryValue(owner) + QLatin1Char(':') +
                    UrlPath::escapeQueryValue(branch) + QStringLiteral("&per_page=20"));
    const QUrl checkRuns =
        UrlPath::join(m_base, commit + QStringLiteral("/check-runs?per_page=30"));
    // Older CI services report to the commit's combined status instead.
    const QUrl combined = UrlPath::join(m_base, commit + QStringLiteral("/status"));

    // The three tasks start (and send) at once; the awaits only collect them.
    auto countTask = ask(m_fetcher, *m_gate, pulls, token, &decodeCount);
    auto checksTask = ask(m_fetcher, *m_gate, checkRuns, token, &decodeChecks);
    auto combinedTask = ask(m_fetcher, *m_gate, combined, token, &decodeCombined);
    const Outcome count = co_await countTask;
    const Outcome checks = co_await checksTask;
    const Outcome legacy = co_await combinedTask;
    // Half an answer would read as no pull requests and no CI: better none at all.
    for (const Outcome *outcome : {&count, &checks, &legacy}) {
        if (std::holds_alternative<GitHubGate::Limited>(*outcome))
            co_return GitHubGate::Limited{};
    }
    GitHubStatus status;
    status.openPRCount = valueOr(count, 0);
    status.checks = merged(valueOr(checks, ChecksState::None), valueOr(legacy, ChecksState::None));
    co_return std::optional(status);
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

std::optional<GitHubStatus::ChecksState> GitHubClient::combinedState(const QByteArray &body)
{
    JsonFields json = JsonFields::parseObject(body);
    const QString state = json.string("state"_L1, Required).value_or(QString());
    const qint64 reports = json.integer("total_count"_L1, Required).value_or(0);
    if (json.failed())
        return std::nullopt;
    if (reports == 0)
        return ChecksState::None;
    if (state == u"success")
        return ChecksState::Success;
    if (state == u"pending")
        return ChecksState::Pending;
    if (state == u"failure" || state == u"error")
        return ChecksState::Failure;
    return ChecksState::None; // a word GitHub does not use today says nothing
}

GitHubStatus::ChecksState GitHubClient::merged(ChecksState checkRuns, ChecksState combined)
{
    for (ChecksState state : {ChecksState::Failure, ChecksState::Pending, ChecksState::Success}) {
        if (checkRuns == state || combined == state)
            return state;
    }
    return ChecksState::None;
}
