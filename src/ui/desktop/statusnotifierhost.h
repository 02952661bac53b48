// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

// Whether a panel hosts StatusNotifierItems (KDE, GNOME's AppIndicator extension, swaybar,
// waybar) on the session bus: its watcher service is there and says a host registered with it.
// Qt looks for one only once, when the first tray icon is made; at login the panel may come up
// a moment after the application, which therefore waits for it first.
class StatusNotifierHost final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusNotifierHost)

public:
    explicit StatusNotifierHost(const QDBusConnection &bus, QObject *parent = nullptr);

    // Asks the watcher (never starting one); false when there is none or it has no host yet.
    bool isReady() const;
    // Emits `settled` once a host is ready, or after `patience` without one (at once when one
    // is ready now).
    void waitUntilReady(std::chrono::milliseconds patience);

Q_SIGNALS:
    void settled();

private:
    void onPoll();

    QDBusConnection m_bus;
    QTimer m_poll;
    QDeadlineTimer m_deadline;
};
