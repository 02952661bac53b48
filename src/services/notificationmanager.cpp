// SPDX-License-Identifier: MIT
#include "services/notificationmanager.h"

#include "i18n/displaytext.h"
#include "i18n/localization.h"

#include <QCoroDBusPendingCall>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

namespace {

QDBusMessage notificationsCall(const QString &method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                          QStringLiteral("/org/freedesktop/Notifications"),
                                          QStringLiteral("org.freedesktop.Notifications"), method);
}

} // namespace

NotificationManager::NotificationManager(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
}

QCoro::Task<> NotificationManager::requestAuthorizationIfNeeded()
{
    if (m_asked)
        co_return;
    m_asked = true;
    QPointer guard(this);
    const QDBusPendingCall call =
        m_bus.asyncCall(notificationsCall(QStringLiteral("GetServerInformation")));
    const QDBusMessage reply = co_await call;
    // Any error (no server, no bus, a time-out) leaves notifications off until the next start.
    if (!guard || reply.type() != QDBusMessage::ReplyMessage)
        co_return;
    m_authorized = true;
    Q_EMIT authorizationChanged(true);
}

void NotificationManager::notifyDeployFailed(const QString &projectName,
                                             const std::optional<QString> &message)
{
    const QString title = L(QStringLiteral("Deploy selhal")) + QStringLiteral(" — ") +
                          DisplayText::shown(projectName);
    // An empty message would show an empty notification; the fallback says where to look.
    const bool hasMessage = message && !message->trimmed().isEmpty();
    const QString body = hasMessage ? DisplayText::shown(*message, true)
                                    : L(QStringLiteral("Zkontroluj appku Quaylin pro detaily."));
    post(title, body);
}

void NotificationManager::notifyDeployFixed(const QString &projectName)
{
    post(L(QStringLiteral("Deploy opraven")) + QStringLiteral(" — ") + projectName,
         L(QStringLiteral("Nejnovější nasazení do produkce zase prošlo.")));
}

void NotificationManager::post(const QString &title, const QString &body)
{
    if (!m_authorized)
        return;
    QDBusMessage call = notificationsCall(QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("sound-name"), QStringLiteral("message-new-instant")},
    };
    // replaces_id 0: every failure is a notification of its own, with a fresh id from the
    // server; expire_timeout -1 leaves the display time to the server.
    call << QStringLiteral("Quaylin") << uint(0) << QString() << title << body << QStringList()
         << hints << int(-1);
    // Fire and forget: the id in the reply is of no use to us.
    m_bus.send(call);
}
