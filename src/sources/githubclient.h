// SPDX-License-Identifier: MIT
#pragma once

#include "sources/githubgate.h"
#include "sources/githubstatus.h"

#include <QCoroTask>
#include <QDateTime>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <variant>

class HttpFetcher;

class GitHubClient final {
public:
    // A status, nothing when no owner and repository can be taken from the address (no
    // request made), or Limited when GitHub's rate limit kept it from being read (the caller
    // keeps what it knew).
    using Answer = std::variant<std::optional<GitHubStatus>, GitHubGate::Limited>;

    // `now` is the clock the rate limit's reset is compared with.
    GitHubClient(
        const HttpFetcher &fetcher, QUrl base,
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); });

    QCoro::Task<Answer> fetchStatus(QString githubURL, QString branch,
                                    std::optional<QString> token) const;
    // Until when GitHub is not asked because its rate limit is spent; none while it may be.
    std::optional<QDateTime> limitedUntil() const { return m_gate->limitedUntil(); }

    // (owner, repository) from a repository address.
    static std::optional<std::pair<QString, QString>> repoSlug(const QString &address);
    // Decoders of the response bodies; nothing when the body does not decode.
    static std::optional<int> openPRCount(const QByteArray &body);
    static std::optional<GitHubStatus::ChecksState> checksState(const QByteArray &body);
    // The commit's combined status, which older CI services report to; one that no service
    // ever reported to (total_count 0) is None, not Pending.
    static std::optional<GitHubStatus::ChecksState> combinedState(const QByteArray &body);
    // Check runs and combined status as one: failed if either failed, else running if either
    // runs, else success when one succeeded (the other agreeing or absent).
    static GitHubStatus::ChecksState merged(GitHubStatus::ChecksState checkRuns,
                                            GitHubStatus::ChecksState combined);

private:
    const HttpFetcher &m_fetcher;
    QUrl m_base;
    // Changed by every answer, also through this const client.
    std::unique_ptr<GitHubGate> m_gate;
};
