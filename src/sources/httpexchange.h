// SPDX-License-Identifier: MIT
#pragma once

#include "sources/fetcherror.h"
#include "sources/httpresponse.h"
#include "sources/httpresponsereader.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <optional>
#include <variant>

class HttpConnections;
class QTcpSocket;

// How long one request may take and how much it may bring. Running into a time limit reads as
// a transport failure, the same for both.
struct HttpLimits {
    std::chrono::milliseconds idle = std::chrono::seconds(60);     // without a byte arriving
    std::chrono::milliseconds deadline = std::chrono::seconds(30); // from sending to the end
    qint64 maxHeadBytes = 64 * 1024;
    qint64 maxBodyBytes = 8 * 1024 * 1024;
};

// What went wrong in reading a response, in words.
FetchError describeReadError(HttpResponseReader::Error error);

// One request and its response over one HTTP/1.1 connection: a new one, or one the server kept
// open (tried once more on a new connection if that one turns out closed before any answer).
// The response is read on this thread as it arrives, within the limits; past any of them the
// connection is closed at once, so a server cannot keep sending into the process.
class HttpExchange final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HttpExchange)

public:
    using Result = std::variant<HttpResponse, FetchError>;

    // `request` is the whole request as it goes out.
    HttpExchange(HttpConnections *connections, const QUrl &url, QByteArray request,
                 const HttpLimits &limits);
    ~HttpExchange() override;

    // Waits for a place among the origin's connections, then sends.
    void start();
    bool isFinished() const { return m_result.has_value(); }
    const Result &result() const { return *m_result; }

Q_SIGNALS:
    // Posted, never emitted from within start().
    void finished();

private:
    void tryToBegin();
    void open();
    void send();
    void read();
    void closed();
    void failed();
    void finish(Result result);
    // Gives the connection back (kept open for the next request or closed) and the place.
    void release(bool keepConnection);
    void dropSocket(bool keepConnection);

    QPointer<HttpConnections> m_connections;
    QUrl m_url;
    QString m_origin;
    QByteArray m_request;
    HttpLimits m_limits;
    HttpResponseReader m_reader;
    QPointer<QTcpSocket> m_socket;
    bool m_hasPlace = false;
    bool m_waiting = false; // for a place among the origin's connections
    bool m_reused = false;
    QTimer m_idle;
    QTimer m_deadline;
    std::optional<Result> m_result;
};
