// SPDX-License-Identifier: MIT
#pragma once

#include "sources/githubstatus.h"

#include <QCoroTask>
#include <QString>
#include <QUrl>

#include <optional>
#include <utility>

class HttpFetcher;

class GitHubClient final {
public:
    GitHubClient(const HttpFetcher &fetcher, QUrl base);

    // Nothing when no owner and repository can be taken from the address (no request made).
    QCoro::Task<std::optional<GitHubStatus>> fetchStatus(QString githubURL, QString branch,
                                                         std::optional<QString> token) const;

    // (owner, repository) from a repository address.
    static std::optional<std::pair<QString, QString>> repoSlug(const QString &address);
    // Decoders of the two response bodies; nothing when the body does not decode.
    static std::optional<int> openPRCount(const QByteArray &body);
    static std::optional<GitHubStatus::ChecksState> checksState(const QByteArray &body);

private:
    const HttpFetcher &m_fetcher;
    QUrl m_base;
};
