// SPDX-License-Identifier: MIT
#include "support/fakeservice.h"

#include <QFile>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Writes what `next` makes every `interval` while the client keeps up, until the connection
// closes or `next` has nothing more.
void feed(QTcpSocket *socket, std::chrono::milliseconds interval, std::function<QByteArray()> next)
{
    auto *timer = new QTimer(socket);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, next = std::move(next)] {
        if (socket->state() != QAbstractSocket::ConnectedState) {
            timer->stop();
        } else if (socket->bytesToWrite() < 1024 * 1024) {
            const QByteArray piece = next();
            if (!piece.isEmpty()) {
                socket->write(piece);
                return;
            }
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    timer->start(interval);
}

void answer(QTcpSocket *socket, const FakeService::Reply &reply)
{
    using Stream = FakeService::Stream;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " Canned\r\n" +
                      "Content-Type: application/json\r\n";
    if (!reply.location.isEmpty())
        head += "Location: " + reply.location + "\r\n";
    if (!reply.encoding.isEmpty())
        head += "Content-Encoding: " + reply.encoding + "\r\n";
    for (const auto &[name, value] : reply.headers)
        head += name + ": " + value + "\r\n";
    switch (reply.stream) {
    case Stream::Whole:
        if (!reply.endless)
            head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
        socket->write(head + "Connection: close\r\n\r\n" + reply.body);
        if (!reply.endless)
            socket->disconnectFromHost();
        break;
    case Stream::Trickle: {
        const QByteArray whole = head + "Content-Length: " + QByteArray::number(reply.body.size()) +
                                 "\r\n\r\n" + reply.body;
        feed(socket, std::chrono::milliseconds(50),
             [whole, sent = qsizetype(0)]() mutable -> QByteArray { return whole.mid(sent++, 1); });
        break;
    }
    case Stream::EndlessHeaders:
        socket->write(head);
        feed(socket, std::chrono::milliseconds(10), [line = 0]() mutable -> QByteArray {
            QByteArray lines;
            for (int i = 0; i < 64; ++i)
                lines +=
                    "X-Filler-" + QByteArray::number(++line) + ": " + QByteArray(64, 'x') + "\r\n";
            return lines;
        });
        break;
    case Stream::EndlessChunks:
        socket->write(head + "Transfer-Encoding: chunked\r\n\r\n");
        feed(socket, std::chrono::milliseconds(1), []() -> QByteArray {
            constexpr int size = 1024 * 1024;
            return QByteArray::number(size, 16) + "\r\n" + QByteArray(size, 'x') + "\r\n";
        });
        break;
    }
}

// One request per connection: QAbstractHttpServer (Qt 6.4) may hand a finished request over a
// second time on a kept-alive socket, so every answer closes its connection and repeats are
// ignored.
bool firstOnSocket(QTcpSocket *socket)
{
    constexpr auto seen = "fakeServiceSeen";
    if (socket->property(seen).toBool())
        return false;
    socket->setProperty(seen, true);
    return true;
}

} // namespace

FakeService::FakeService()
{
    m_port = listen(QHostAddress::LocalHost, 0);
    if (m_port == 0)
        qFatal("the fake service cannot listen on 127.0.0.1");
}

QUrl FakeService::base() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port));
}

void FakeService::serve(const QString &path, int status, const QByteArray &body)
{
    Reply reply;
    reply.status = status;
    reply.body = body;
    serve(path, reply);
}

void FakeService::redirect(const QString &path, const QUrl &target, int status)
{
    Reply reply;
    reply.status = status;
    reply.location = target.toEncoded();
    serve(path, reply);
}

void FakeService::release()
{
    const auto held = std::exchange(m_held, {});
    for (const auto &[socket, reply] : held) {
        if (socket)
            answer(socket, reply);
    }
}

QByteArray FakeService::fixture(const QString &name)
{
    QFile file(QStringLiteral(QUAYLIN_TEST_DATA_DIR "/web/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return file.readAll();
}

bool FakeService::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    if (!firstOnSocket(socket))
        return true;
    RecordedRequest recorded;
    recorded.path = request.url().path(QUrl::FullyEncoded);
    recorded.query = request.url().query(QUrl::FullyEncoded);
    for (const auto &[name, value] : request.headers())
        recorded.headers.insert(name.toLower(), value);
    if (m_recording)
        m_requests.append(recorded);

    Reply reply;
    reply.status = 404;
    reply.body = R"({"message":"Not Found"})";
    reply = m_replies.value(recorded.path + u'?' + recorded.query,
                            m_replies.value(recorded.path, reply));
    if (reply.held)
        m_held.append({socket, reply});
    else if (reply.delay.count() > 0)
        QTimer::singleShot(reply.delay, socket, [socket, reply] { answer(socket, reply); });
    else
        answer(socket, reply);
    return true;
}

void FakeService::missingHandler(const QHttpServerRequest &, QTcpSocket *socket)
{
    FakeService::Reply reply;
    reply.status = 500;
    answer(socket, reply);
}
