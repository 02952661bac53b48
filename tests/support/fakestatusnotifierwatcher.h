// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QThread>

// A panel's StatusNotifierWatcher, with a host registered, on a connection of its own to the
// session bus. It answers from a thread of its own: Qt asks it with blocking calls from the
// main thread. It remembers the items that register.
class FakeStatusNotifierWatcher final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FakeStatusNotifierWatcher)
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    FakeStatusNotifierWatcher();
    ~FakeStatusNotifierWatcher() override;

    // Takes the watcher's name on the bus; false when that fails.
    bool start();
    // The connection it answers on, for asking the items in turn.
    QDBusConnection bus() const { return m_bus; }
    QStringList items() const;

    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString &service);
    void RegisterStatusNotifierHost(const QString &) {}

private:
    QThread m_thread;
    QDBusConnection m_bus;
    mutable QMutex m_mutex;
    QStringList m_items;
};
