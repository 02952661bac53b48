// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QMultiHash>
#include <QObject>
#include <QString>

class QTcpSocket;
class QUrl;

// The connections web requests go out on. At most six requests at a time go to one origin
// (scheme, host and port), as in browsers, so a refresh of many projects does not open a
// connection per project; a connection the server keeps open carries the next request to the
// same origin, for up to half a minute.
class HttpConnections final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HttpConnections)

public:
    static constexpr int maxPerOrigin = 6;

    explicit HttpConnections(QObject *parent = nullptr);
    ~HttpConnections() override;

    // "https://host:443": what decides whether two addresses may share connections and
    // credentials.
    static QString origin(const QUrl &url);

    // Takes one of the origin's places; false while all are taken (then wait for placeFreed).
    bool take(const QString &origin);
    void giveBack(const QString &origin);

    // A connection to `origin` that is open and idle, now the caller's; null when there is none.
    QTcpSocket *reuse(const QString &origin);
    // Keeps a connection whose last response ended cleanly for the next request.
    void keep(const QString &origin, QTcpSocket *socket);

    int idleCount() const { return int(m_idle.size()); }

Q_SIGNALS:
    void placeFreed();

private:
    void drop(QTcpSocket *socket);

    QHash<QString, int> m_busy;
    QMultiHash<QString, QTcpSocket *> m_idle;
};
