// SPDX-License-Identifier: MIT
#include "sources/httpexchange.h"

#include "sources/httpconnections.h"

#include <QSslSocket>
#include <QTcpSocket>

namespace {

// How much may wait unread in a socket: the reader takes everything at each readyRead, so
// this only bounds what arrives between two of them.
constexpr qint64 readBufferBytes = 256 * 1024;

FetchError timeOut()
{
    // The same for both time limits.
    return {QStringLiteral("server neodpověděl včas")};
}

} // namespace

FetchError describeReadError(HttpResponseReader::Error error)
{
    switch (error) {
    case HttpResponseReader::Error::HeadTooLarge:
        return {QStringLiteral("hlavičky odpovědi jsou příliš velké")};
    case HttpResponseReader::Error::BodyTooLarge:
        return {QStringLiteral("odpověď je příliš velká")};
    case HttpResponseReader::Error::Truncated:
        return {QStringLiteral("spojení skončilo před koncem odpovědi")};
    case HttpResponseReader::Error::Malformed:
    case HttpResponseReader::Error::None:
        break;
    }
    return {QStringLiteral("neplatná odpověď serveru")};
}

HttpExchange::HttpExchange(HttpConnections *connections, const QUrl &url, QByteArray request,
                           const HttpLimits &limits)
    : m_connections(connections)
    , m_url(url)
    , m_origin(HttpConnections::origin(url))
    , m_request(std::move(request))
    , m_limits(limits)
    , m_reader(limits.maxHeadBytes, limits.maxBodyBytes)
{
    m_idle.setSingleShot(true);
    m_deadline.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, [this] { finish(timeOut()); });
    connect(&m_deadline, &QTimer::timeout, this, [this] { finish(timeOut()); });
}

HttpExchange::~HttpExchange()
{
    release(false);
}

void HttpExchange::start()
{
    const QString scheme = m_url.scheme();
    if ((scheme != u"http" && scheme != u"https") || m_url.host().isEmpty())
        finish(FetchError{QStringLiteral("nepodporovaná adresa")});
    else if (scheme == u"https" && !QSslSocket::supportsSsl())
        finish(FetchError{QStringLiteral("šifrované spojení není k dispozici")});
    else if (!m_connections)
        finish(FetchError{QStringLiteral("bez odpovědi")});
    else
        tryToBegin();
}

void HttpExchange::tryToBegin()
{
    if (m_result || m_hasPlace)
        return;
    if (!m_connections->take(m_origin)) {
        if (!std::exchange(m_waiting, true)) {
            connect(m_connections, &HttpConnections::placeFreed, this, &HttpExchange::tryToBegin);
            // Connections go away with the application; nothing is sent then.
            connect(m_connections, &QObject::destroyed, this,
                    [this] { finish(FetchError{QStringLiteral("bez odpovědi")}); });
        }
        return;
    }
    disconnect(m_connections, nullptr, this, nullptr);
    m_hasPlace = true;
    // The time limits count from here: waiting for a place is not the server's slowness.
    m_deadline.start(m_limits.deadline);
    m_idle.start(m_limits.idle);
    if (QTcpSocket *socket = m_connections->reuse(m_origin)) {
        m_reused = true;
        m_socket = socket;
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, &HttpExchange::read);
        connect(socket, &QTcpSocket::disconnected, this, &HttpExchange::closed);
        connect(socket, &QTcpSocket::errorOccurred, this, &HttpExchange::failed);
        send();
    } else {
        open();
    }
}

void HttpExchange::open()
{
    m_reused = false;
    const bool secure = m_url.scheme() == u"https";
    QTcpSocket *socket = secure ? new QSslSocket(this) : new QTcpSocket(this);
    m_socket = socket;
    socket->setReadBufferSize(readBufferBytes);
    connect(socket, &QTcpSocket::readyRead, this, &HttpExchange::read);
    connect(socket, &QTcpSocket::disconnected, this, &HttpExchange::closed);
    connect(socket, &QTcpSocket::errorOccurred, this, &HttpExchange::failed);
    const auto port = quint16(m_url.port(secure ? 443 : 80));
    if (auto *tls = qobject_cast<QSslSocket *>(socket)) {
        connect(tls, &QSslSocket::encrypted, this, &HttpExchange::send);
        tls->connectToHostEncrypted(m_url.host(), port);
    } else {
        connect(socket, &QTcpSocket::connected, this, &HttpExchange::send);
        socket->connectToHost(m_url.host(), port);
    }
}

void HttpExchange::send()
{
    m_socket->write(m_request);
}

void HttpExchange::read()
{
    if (m_result || !m_socket)
        return;
    const QByteArray bytes = m_socket->readAll();
    if (bytes.isEmpty())
        return;
    m_idle.start(m_limits.idle);
    m_reader.feed(bytes);
    if (m_reader.error() != HttpResponseReader::Error::None)
        finish(describeReadError(m_reader.error()));
    else if (m_reader.isDone())
        finish(HttpResponse{m_reader.statusCode(), m_reader.takeBody(), m_reader.headers()});
}

void HttpExchange::closed()
{
    read();
    if (m_result)
        return;
    if (m_reused && !m_reader.hasStarted()) {
        // The server closed the kept connection before it saw the request: a new one, in the
        // same place.
        dropSocket(false);
        open();
        return;
    }
    m_reader.endOfStream();
    if (m_reader.isDone())
        finish(HttpResponse{m_reader.statusCode(), m_reader.takeBody(), m_reader.headers()});
    else
        finish(describeReadError(m_reader.error()));
}

void HttpExchange::failed()
{
    if (m_result || !m_socket)
        return;
    if (m_socket->error() == QAbstractSocket::RemoteHostClosedError) {
        closed();
        return;
    }
    QString description = m_socket->errorString().trimmed();
    finish(FetchError{description.isEmpty() ? QStringLiteral("chyba přenosu") : description});
}

void HttpExchange::finish(Result result)
{
    if (m_result)
        return;
    m_result = std::move(result);
    m_idle.stop();
    m_deadline.stop();
    release(std::holds_alternative<HttpResponse>(*m_result) && m_reader.keepsConnection());
    QMetaObject::invokeMethod(this, &HttpExchange::finished, Qt::QueuedConnection);
}

void HttpExchange::release(bool keepConnection)
{
    dropSocket(keepConnection);
    if (std::exchange(m_hasPlace, false) && m_connections)
        m_connections->giveBack(m_origin);
}

void HttpExchange::dropSocket(bool keepConnection)
{
    if (QTcpSocket *socket = m_socket.data()) {
        m_socket = nullptr;
        socket->disconnect(this);
        if (keepConnection && m_connections && socket->state() == QAbstractSocket::ConnectedState) {
            m_connections->keep(m_origin, socket);
        } else {
            // Possibly inside one of the socket's own signals: it goes when they are done.
            socket->setParent(nullptr);
            socket->abort();
            socket->deleteLater();
        }
    }
}
