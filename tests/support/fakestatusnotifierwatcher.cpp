// SPDX-License-Identifier: MIT
#include "fakestatusnotifierwatcher.h"

#include <QMutexLocker>

using namespace Qt::StringLiterals;

FakeStatusNotifierWatcher::FakeStatusNotifierWatcher()
    : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"fakeWatcher"_s))
{
    m_thread.start();
    moveToThread(&m_thread);
}

FakeStatusNotifierWatcher::~FakeStatusNotifierWatcher()
{
    m_bus.unregisterService(u"org.kde.StatusNotifierWatcher"_s);
    m_bus.unregisterObject(u"/StatusNotifierWatcher"_s);
    m_thread.quit();
    m_thread.wait();
    QDBusConnection::disconnectFromBus(u"fakeWatcher"_s);
}

bool FakeStatusNotifierWatcher::start()
{
    return m_bus.registerObject(u"/StatusNotifierWatcher"_s, this,
                                QDBusConnection::ExportAllSlots |
                                    QDBusConnection::ExportAllProperties) &&
           m_bus.registerService(u"org.kde.StatusNotifierWatcher"_s);
}

QStringList FakeStatusNotifierWatcher::items() const
{
    const QMutexLocker lock(&m_mutex);
    return m_items;
}

void FakeStatusNotifierWatcher::RegisterStatusNotifierItem(const QString &service)
{
    const QMutexLocker lock(&m_mutex);
    m_items.append(service);
}
