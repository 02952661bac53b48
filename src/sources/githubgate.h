// SPDX-License-Identifier: MIT
#pragma once

#include "sources/githubstatus.h"
#include "sources/httpfetcher.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QUrl>

#include <functional>
#include <optional>
#include <variant>

// What GitHub has said about being asked, kept for the life of the process (never stored):
// the ETag and the decoded answer of every address, so the next request may be answered with
// 304 Not Modified (which GitHub does not count against the rate limit), and until when the
// rate limit is spent, so nothing is asked before the reset.
class GitHubGate final {
    Q_DISABLE_COPY_MOVE(GitHubGate)

public:
    // A decoded answer: an open pull-request count, or a checks state.
    using Value = std::variant<int, GitHubStatus::ChecksState>;
    // How one request went.
    struct Limited {
        friend bool operator==(const Limited &, const Limited &) = default;
    };
    struct Failed {};
    using Outcome = std::variant<Value, Failed, Limited>;

    explicit GitHubGate(std::function<QDateTime()> now);

    // Until when GitHub is not to be asked; none once the reset has passed.
    std::optional<QDateTime> limitedUntil() const;
    // If-None-Match with the ETag of the last answer from `url`, when there is one.
    HttpHeaders conditions(const QUrl &url) const;
    // Reads the rate-limit headers of an answer from `url`, and the answer itself: a 200 that
    // `decode` reads (remembered with its ETag), the remembered value for a 304, Limited for a
    // refusal because the limit is spent, Failed for anything else.
    Outcome take(const QUrl &url, const std::variant<HttpResponse, FetchError> &answer,
                 const std::function<std::optional<Value>(const QByteArray &)> &decode);

private:
    struct Remembered {
        QByteArray etag;
        Value value;
    };

    // Whether the answer refuses the request because a limit is spent; notes until when.
    bool noteLimits(const HttpResponse &response);

    std::function<QDateTime()> m_now;
    QHash<QUrl, Remembered> m_answers;
    std::optional<QDateTime> m_limitedUntil;
};
