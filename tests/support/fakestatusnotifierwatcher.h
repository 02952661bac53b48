// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QMutex>
#include <QMutexLocker>
#include <QObject>
#include <QStringList>
#include <QThread>

// A panel's StatusNotifierWatcher, with a host registered, on a connection of its own to the
// session bus. It answers from a thread of its own, since Qt asks it with blocking calls from
// the main thread, and remembers the items that register.
class FakeStatusNotifierWatcher final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FakeStatusNotifierWatcher)
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)

public:
    FakeStatusNotifierWatcher() { m_thread.start(); }
    ~FakeStatusNotifierWatcher() override
    {
        m_bus.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
        QDBusConnection::disconnectFromBus(m_bus.name());
        m_thread.quit();
        m_thread.wait();
    }

    // Takes the watcher's name on the bus; false when that fails.
    bool start()
    {
        moveToThread(&m_thread);
        return m_bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                                    QDBusConnection::ExportAllSlots |
                                        QDBusConnection::ExportAllProperties) &&
               m_bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    }
    // The connection it answers on, for asking the items in turn.
    QDBusConnection bus() const { return m_bus; }
    QStringList items() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_items;
    }
    bool isHostRegistered() const { return true; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString &service)
    {
        const QMutexLocker lock(&m_mutex);
        m_items.append(service);
    }

private:
    QThread m_thread;
    QDBusConnection m_bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fakeWatcher"));
    mutable QMutex m_mutex;
    QStringList m_items;
};
