// SPDX-License-Identifier: MIT
#include "sources/httpconnections.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace {

// Servers close idle connections after some seconds of their own; past this we would mostly
// find them closed.
constexpr auto idleLifetime = std::chrono::seconds(30);

constexpr auto idleTimerName = "idleLifetime";

} // namespace

HttpConnections::HttpConnections(QObject *parent)
    : QObject(parent)
{
}

HttpConnections::~HttpConnections() = default; // idle connections are children

QString HttpConnections::origin(const QUrl &url)
{
    const QString scheme = url.scheme();
    const int port = url.port(scheme == u"https" ? 443 : scheme == u"http" ? 80 : -1);
    // QUrl keeps scheme and host in lower case.
    return scheme + u"://" + url.host(QUrl::FullyEncoded) + u':' + QString::number(port);
}

bool HttpConnections::take(const QString &origin)
{
    int &busy = m_busy[origin];
    if (busy >= maxPerOrigin)
        return false;
    ++busy;
    return true;
}

void HttpConnections::giveBack(const QString &origin)
{
    const auto it = m_busy.find(origin);
    if (it == m_busy.end())
        return;
    if (--*it <= 0)
        m_busy.erase(it);
    Q_EMIT placeFreed();
}

QTcpSocket *HttpConnections::reuse(const QString &origin)
{
    while (QTcpSocket *socket = m_idle.take(origin)) {
        socket->disconnect(this);
        delete socket->findChild<QTimer *>(QLatin1StringView(idleTimerName),
                                           Qt::FindDirectChildrenOnly);
        if (socket->state() == QAbstractSocket::ConnectedState && socket->bytesAvailable() == 0) {
            socket->setParent(nullptr);
            return socket;
        }
        socket->abort();
        socket->deleteLater();
    }
    return nullptr;
}

void HttpConnections::keep(const QString &origin, QTcpSocket *socket)
{
    socket->setParent(this);
    m_idle.insert(origin, socket);
    // Closed by the server or unused for long: gone.
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { drop(socket); });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { drop(socket); });
    auto *timer = new QTimer(socket);
    timer->setObjectName(QLatin1StringView(idleTimerName));
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, socket] { drop(socket); });
    timer->start(idleLifetime);
}

void HttpConnections::drop(QTcpSocket *socket)
{
    for (auto it = m_idle.begin(); it != m_idle.end(); ++it) {
        if (*it == socket) {
            m_idle.erase(it);
            break;
        }
    }
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}
