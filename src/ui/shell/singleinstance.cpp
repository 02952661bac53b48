// SPDX-License-Identifier: MIT
#include "ui/shell/singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

constexpr auto showRequest = "show\n";
constexpr auto showAnswer = "ok\n";
constexpr int answerMs = 2000;

} // namespace

SingleInstance::SingleInstance(const QString &dataDir, QObject *parent)
    : QObject(parent)
    , m_socketPath(socketPath(dataDir))
    , m_lock(dataDir + "/store.json.lock"_L1)
{
    // Held for the whole run, so it never turns stale by age; a lock whose process is gone is
    // still taken over.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::socketPath(const QString &dataDir)
{
    const QByteArray canonical = QDir(dataDir).absolutePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(canonical, QCryptographicHash::Sha256);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + "/quaylin-"_L1 + QString::fromLatin1(hash.toHex().left(16)) + ".socket"_L1;
}

SingleInstance::Claim SingleInstance::claim(std::chrono::milliseconds patience)
{
    const QDeadlineTimer deadline(patience);
    for (;;) {
        if (m_lock.tryLock(0))
            return Claim::First;
        if (forward())
            return Claim::Forwarded;
        // A lock that cannot be made at all (a read-only data folder) guards nothing: the
        // application starts without it and tells the user when saving fails.
        if (m_lock.error() != QLockFile::LockFailedError)
            return Claim::First;
        if (deadline.hasExpired())
            return Claim::Failed;
        QThread::msleep(100);
    }
}

bool SingleInstance::forward() const
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(answerMs))
        return false;
    socket.write(showRequest);
    if (!socket.waitForBytesWritten(answerMs))
        return false;
    // The answer tells that the request was read; the window itself follows at once.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(answerMs))
            return false;
    }
    return socket.readLine() == showAnswer;
}

bool SingleInstance::listen()
{
    if (m_server)
        return true;
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_socketPath)) {
        // Left behind by a run that crashed: nobody else listens while this process holds the
        // lock.
        QLocalServer::removeServer(m_socketPath);
        if (!server->listen(m_socketPath))
            return false;
    }
    connect(server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > 64)
                        socket->abort(); // not one of ours
                    return;
                }
                if (socket->readLine() != showRequest) {
                    socket->abort();
                    return;
                }
                socket->write(showAnswer);
                socket->disconnectFromServer();
                Q_EMIT showRequested();
            });
        }
    });
    m_server = std::move(server);
    return true;
}
