// SPDX-License-Identifier: MIT
#include "support/fakeservice.h"

#include <QFile>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

namespace {

void answer(QTcpSocket *socket, const FakeService::Reply &reply)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " Canned\r\n" +
                      "Content-Type: application/json\r\n";
    if (!reply.location.isEmpty())
        head += "Location: " + reply.location + "\r\n";
    if (!reply.endless)
        head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    socket->write(head + "Connection: close\r\n\r\n" + reply.body);
    if (!reply.endless)
        socket->disconnectFromHost();
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
    m_requests.append(recorded);

    Reply reply;
    reply.status = 404;
    reply.body = R"({"message":"Not Found"})";
    reply = m_replies.value(recorded.path, reply);
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
