// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <chrono>

class QTcpSocket;

// What the fake service saw of one request.
struct RecordedRequest {
    QString path; // percent-encoding kept as received
    QString query;
    QHash<QByteArray, QByteArray> headers; // names in lower case
};

// A web service on 127.0.0.1 that answers canned bodies per path and records every request
// (unless recording is turned off).
class FakeService final : public QAbstractHttpServer {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FakeService)

public:
    // How an answer goes out.
    enum class Stream {
        Whole,          // at once
        Trickle,        // one byte every 50 ms, status line and headers included
        EndlessHeaders, // the status line, then 64 header lines every 10 ms without end
        EndlessChunks,  // a chunked body without end, 1 MB a millisecond while the client keeps up
    };

    struct Reply {
        int status = 200;
        QByteArray body{};     // braces: designated initialisers may then omit it without a warning
        QByteArray location{}; // sent as Location, for redirects
        std::chrono::milliseconds delay{0};
        bool held = false;     // answered only when release() is called
        bool endless = false;  // no Content-Length, and the connection stays open as if more came
        QByteArray encoding{}; // sent as Content-Encoding
        Stream stream = Stream::Whole;
        QList<std::pair<QByteArray, QByteArray>> headers{}; // further response headers
    };

    FakeService();

    QUrl base() const; // http://127.0.0.1:<port>
    quint16 port() const { return m_port; }

    // `path` is matched exactly as received (percent-encoded), first with the query
    // ("/p?a=1"), then without; unknown paths answer 404.
    void serve(const QString &path, const Reply &reply) { m_replies.insert(path, reply); }
    void serve(const QString &path, int status, const QByteArray &body);
    void redirect(const QString &path, const QUrl &target, int status = 302);
    // Answers every held request.
    void release();

    const QList<RecordedRequest> &requests() const { return m_requests; }
    // Long runs turn the record off: it grows with every request and would be counted as the
    // memory of the code under measure.
    void setRecording(bool recording) { m_recording = recording; }

    // A file from tests/data/web.
    static QByteArray fixture(const QString &name);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    quint16 m_port = 0;
    QHash<QString, Reply> m_replies;
    QList<RecordedRequest> m_requests;
    bool m_recording = true;
    QList<std::pair<QPointer<QTcpSocket>, Reply>> m_held;
};
