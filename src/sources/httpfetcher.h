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
#include <utility>
#include <variant>

struct HttpResponse {
    int statusCode = 0;
    QByteArray body;
};

using HttpHeaders = QList<std::pair<QByteArray, QByteArray>>;

// GET requests for the service clients, on one QNetworkAccessManager. Redirects are followed
// only within the same scheme, host and port, so an Authorization header never reaches another
// origin; bodies larger than the cap are an error, not unbounded memory.
class HttpFetcher final {
public:
    static constexpr qint64 defaultMaxBodyBytes = 8 * 1024 * 1024;

    explicit HttpFetcher(QNetworkAccessManager &network,
                         std::chrono::milliseconds timeout = std::chrono::seconds(60),
                         qint64 maxBodyBytes = defaultMaxBodyBytes);

    // A transport failure becomes a FetchError with the network layer's description.
    QCoro::Task<std::variant<HttpResponse, FetchError>> get(QUrl url, HttpHeaders headers) const;
    // The body of a 200 answer to a GET sent with "Authorization: Bearer <token>"; any other
    // status is the error "HTTP <code>".
    QCoro::Task<std::variant<QByteArray, FetchError>> getWithBearer(QUrl url, QString token) const;

private:
    QPointer<QNetworkAccessManager> m_network; // may go away while a refresh still runs
    std::chrono::milliseconds m_timeout;
    qint64 m_maxBodyBytes;
};
