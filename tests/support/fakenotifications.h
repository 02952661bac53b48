// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVariantMap>

// Stands in for the desktop's notification server and remembers what it was asked to show.
class FakeNotificationServer final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList posted; // application|replaces_id|summary|body

public Q_SLOTS:
    void Notify(const QString &app, uint replacesId, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints,
                int timeout);
    void GetServerInformation() {} // any answer will do
};

// A private D-Bus daemon, without the session bus's activatable services, so no real
// notification server can take part, with the fake server registered on it.
class FakeNotificationBus final {
public:
    static const QString service; // org.freedesktop.Notifications
    static const QString path;

    ~FakeNotificationBus();
    // Starts the daemon with its files in `folder`; false when that fails.
    bool start(const QString &folder);
    QDBusConnection connect(const QString &name) const;

    FakeNotificationServer server;
    QDBusConnection serverBus{QString()};

private:
    QProcess m_daemon;
    QString m_address;
};
