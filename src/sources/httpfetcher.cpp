// SPDX-License-Identifier: MIT
#include "sources/httpfetcher.h"

#include "version.h"

#include <QCoroNetworkReply>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QScopeGuard>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

// What the signal handlers learn while the reply is in flight.
struct Transfer {
    QByteArray body;
    bool tooLarge = false;
    std::optional<int> refusedRedirectStatus;
};

// How much of an answer may wait unread in the reply.
constexpr qint64 readBufferBytes = 1024 * 1024;

int defaultPort(const QString &scheme)
{
    if (scheme == u"https")
        return 443;
    if (scheme == u"http")
        return 80;
    return -1;
}

bool sameOrigin(const QUrl &a, const QUrl &b)
{
    // QUrl keeps scheme and host in lower case, so plain comparison is enough.
    return a.scheme() == b.scheme() && a.host() == b.host() &&
           a.port(defaultPort(a.scheme())) == b.port(defaultPort(b.scheme()));
}

// Errors Qt raises for an HTTP status code of 400 or more: the server did answer, and the
// caller judges the code. The same errors with any other status are failed requests: a body
// that does not decompress is an UnknownContentError too, and its leftovers are no answer.
bool isStatusError(QNetworkReply::NetworkError error, int status)
{
    const int code = int(error);
    return status >= 400 &&
           ((code >= 201 && code <= 299) || error == QNetworkReply::ProtocolInvalidOperationError ||
            (code >= 401 && code <= 499));
}

// A line break in a header would let a value inject further headers.
bool isSafeHeaderText(const QByteArray &text)
{
    return !text.contains('\r') && !text.contains('\n') && !text.contains('\0');
}

QString tooLargeMessage(qint64 maxBodyBytes)
{
    return QStringLiteral("odpověď je příliš velká (přes %1 B)").arg(maxBodyBytes);
}

} // namespace

std::optional<QByteArray> HttpResponse::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return std::nullopt;
}

HttpFetcher::HttpFetcher(QNetworkAccessManager &network, HttpLimits limits)
    : m_network(&network)
    , m_limits(limits)
{
}

QCoro::Task<std::variant<HttpResponse, FetchError>> HttpFetcher::get(QUrl url,
                                                                     HttpHeaders headers) const
{
    QNetworkRequest request(url);
    request.setTransferTimeout(int(m_limits.idle.count()));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    // Some services (GitHub) refuse requests without a User-Agent.
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QByteArrayLiteral("Quaylin/" QUAYLIN_VERSION));
    for (const auto &[name, value] : headers) {
        if (!isSafeHeaderText(name) || !isSafeHeaderText(value))
            co_return FetchError{QStringLiteral("neplatná hlavička požadavku")};
        request.setRawHeader(name, value);
    }

    const qint64 cap = m_limits.maxBodyBytes;
    // The network manager owns the reply; it may go away first only when the manager does.
    if (!m_network)
        co_return FetchError{QStringLiteral("bez odpovědi")};
    const QPointer<QNetworkReply> guard = m_network->get(request);
    const auto cleanup = qScopeGuard([guard] {
        if (guard)
            guard->deleteLater();
    });
    QNetworkReply *const reply = guard.data();
    // Qt reads the socket on a thread of its own and would otherwise buffer whatever arrives,
    // however fast, before the cap below is ever checked.
    reply->setReadBufferSize(std::min(cap + 1, readBufferBytes));
    Transfer transfer;
    // Context of the handlers below: they go away with this frame, the reply may outlive it.
    const QObject context;

    QObject::connect(reply, &QNetworkReply::redirected, &context,
                     [reply, url, &transfer](const QUrl &target) {
                         if (sameOrigin(url, reply->url().resolved(target))) {
                             Q_EMIT reply->redirectAllowed();
                             return;
                         }
                         // Another origin must never see the request's headers (the token).
                         transfer.refusedRedirectStatus =
                             reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                         reply->abort();
                     });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &context, [reply, cap, &transfer] {
        bool known = false;
        const qint64 length =
            reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && length > cap) {
            transfer.tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &context, [reply, cap, &transfer] {
        transfer.body += reply->readAll();
        if (transfer.body.size() > cap) {
            transfer.tooLarge = true;
            reply->abort();
        }
    });

    // Bytes that keep trickling in (or headers without end) never let the idle time-out fire;
    // the deadline ends such a request the same way, so it reads the same.
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline.start(m_limits.deadline);

    co_await reply;
    if (!guard)
        co_return FetchError{QStringLiteral("bez odpovědi")};

    if (transfer.refusedRedirectStatus)
        co_return HttpResponse{*transfer.refusedRedirectStatus, {}, {}};
    if (transfer.tooLarge)
        co_return FetchError{tooLargeMessage(cap)};
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (reply->error() != QNetworkReply::NoError &&
        !isStatusError(reply->error(), status.toInt())) {
        // Some descriptions end in ": " with nothing after it ("Decompression failed: ").
        QString description = reply->errorString().trimmed();
        if (description.endsWith(u':'))
            description.chop(1);
        co_return FetchError{description.isEmpty() ? QStringLiteral("chyba přenosu") : description};
    }
    if (!status.isValid())
        co_return FetchError{QStringLiteral("bez odpovědi")};
    transfer.body += reply->readAll();
    if (transfer.body.size() > cap)
        co_return FetchError{tooLargeMessage(cap)};
    co_return HttpResponse{status.toInt(), std::move(transfer.body), reply->rawHeaderPairs()};
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
