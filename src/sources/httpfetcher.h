// SPDX-License-Identifier: MIT
#pragma once

#include "sources/fetcherror.h"

#include <QByteArray>
#include <QCoroTask>
#include <QList>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QUrl>

#include <chrono>
#include <optional>
#include <utility>
#include <variant>

using HttpHeaders = QList<std::pair<QByteArray, QByteArray>>;

struct HttpResponse {
    int statusCode = 0;
    QByteArray body;
    HttpHeaders headers; // as received

    // The value of the first header named `name` (in any case).
    std::optional<QByteArray> header(const QByteArray &name) const;
};

// How long one request may take and how much it may bring. Running into a time limit reads as
// a transport failure, the same for both.
struct HttpLimits {
    std::chrono::milliseconds idle = std::chrono::seconds(60);     // without a byte arriving
    std::chrono::milliseconds deadline = std::chrono::seconds(30); // from start to end
    qint64 maxBodyBytes = 8 * 1024 * 1024;
};

// GET requests for the service clients, on one QNetworkAccessManager. Redirects are followed
// only within the same scheme, host and port, so an Authorization header never reaches another
// origin; bodies larger than the cap are an error, not unbounded memory.
class HttpFetcher final {
public:
    explicit HttpFetcher(QNetworkAccessManager &network, HttpLimits limits = {});

    // A transport failure becomes a FetchError with the network layer's description.
    QCoro::Task<std::variant<HttpResponse, FetchError>> get(QUrl url, HttpHeaders headers) const;
    // The body of a 200 answer to a GET sent with "Authorization: Bearer <token>"; any other
    // status is the error "HTTP <code>".
    QCoro::Task<std::variant<QByteArray, FetchError>> getWithBearer(QUrl url, QString token) const;

private:
    QPointer<QNetworkAccessManager> m_network; // may go away while a refresh still runs
    HttpLimits m_limits;
};
