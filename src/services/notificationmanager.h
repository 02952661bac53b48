// SPDX-License-Identifier: MIT
#pragma once

#include <QCoroTask>
#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <optional>

// Posts the deploy-failed and deploy-fixed desktop notifications through
// org.freedesktop.Notifications.
// "Authorised" means the notification service answered GetServerInformation at start; until
// then, and when it never does, notifications are dropped, not queued.
class NotificationManager final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NotificationManager)

public:
    explicit NotificationManager(QDBusConnection bus, QObject *parent = nullptr);

    bool isAuthorized() const { return m_authorized; }
    // Asks the notification service once; the task ends when the answer has arrived (callers
    // may drop it, the question still completes).
    QCoro::Task<> requestAuthorizationIfNeeded();
    void notifyDeployFailed(const QString &projectName, const std::optional<QString> &message);
    // A production deploy succeeded after a failed one.
    void notifyDeployFixed(const QString &projectName);

Q_SIGNALS:
    void authorizationChanged(bool authorized);

private:
    void post(const QString &title, const QString &body);

    QDBusConnection m_bus;
    bool m_authorized = false;
    bool m_asked = false;
};
