// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

class QLocalServer;

// One desktop application per data folder. The first launch holds the data file's lock for its
// whole life (the command line's `add` refuses while it is held) and answers later launches
// over a local socket; a later launch asks it to show its main window and then ends.
class SingleInstance final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    enum class Claim {
        First,     // this process is the application; the lock is held when it could be made
        Forwarded, // the running application was asked to show its window
        Failed,    // the lock is held, but nobody answered
    };

    // `dataDir`: the folder of the data file (Store::dir()).
    explicit SingleInstance(const QString &dataDir, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock, or hands the launch to the running application. Keeps trying for
    // `patience`, since the running one may be starting or just quitting. Works before the
    // application object exists.
    Claim claim(std::chrono::milliseconds patience = std::chrono::seconds(5));
    bool holdsLock() const { return m_lock.isLocked(); }

    // Starts answering later launches; needs the event loop. False when the socket cannot be
    // made (later launches then fail instead of starting a second application).
    bool listen();

    // The socket later launches connect to: in the user's runtime folder, named after the data
    // folder so separate data folders (tests, other users) never meet.
    static QString socketPath(const QString &dataDir);

Q_SIGNALS:
    // A later launch asked for the main window.
    void showRequested();

private:
    bool forward() const;

    QString m_socketPath;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
