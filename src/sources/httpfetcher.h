// SPDX-License-Identifier: MIT
#pragma once

#include "sources/fetcherror.h"
#include "sources/httpexchange.h"
#include "sources/httpresponse.h"

#include <QByteArray>
#include <QCoroTask>
#include <QPointer>
#include <QUrl>

#include <variant>

class HttpConnections;

// GET requests for the service clients, over the application's connections. Redirects are
// followed only within the same scheme, host and port, so an Authorization header never
// reaches another origin; heads and bodies larger than their caps are errors, not unbounded
// memory.
class HttpFetcher final {
public:
    explicit HttpFetcher(HttpConnections &connections, HttpLimits limits = {});

    // A transport failure becomes a FetchError with a description of what went wrong.
    QCoro::Task<std::variant<HttpResponse, FetchError>> get(QUrl url, HttpHeaders headers) const;
    // The body of a 200 answer to a GET sent with "Authorization: Bearer <token>"; any other
    // status is the error "HTTP <code>".
    QCoro::Task<std::variant<QByteArray, FetchError>> getWithBearer(QUrl url, QString token) const;

private:
    QPointer<HttpConnections> m_connections; // may go away while a refresh still runs
    HttpLimits m_limits;
};
