// SPDX-License-Identifier: MIT
#include "services/languageswitch.h"
#include "services/notificationmanager.h"
#include "services/preferences.h"
#include "support/fakenotifications.h"
#include "support/testenvironment.h"

#include <QDBusMessage>
#include <QtTest>

using namespace Qt::StringLiterals;

class NotificationsTest final : public QObject {
    Q_OBJECT

    TestEnvironment m_environment;
    Preferences m_preferences;
    LanguageSwitch m_language{m_preferences};
    FakeNotificationBus m_bus;
    FakeNotificationServer &m_server = m_bus.server;

private slots:
    void initTestCase() { QVERIFY2(m_bus.start(m_environment.root()), "no dbus-daemon"); }
    void init() { m_server.posted.clear(); }

    void postsOnlyOnceAuthorised()
    {
        NotificationManager manager(m_bus.connect(u"posts"_s));
        QSignalSpy changed(&manager, &NotificationManager::authorizationChanged);
        manager.notifyDeployFailed(u"Web"_s, u"early"_s); // dropped, not queued for later
        QCoro::waitFor(manager.requestAuthorizationIfNeeded());
        QCoro::waitFor(manager.requestAuthorizationIfNeeded()); // asked once only
        QVERIFY(manager.isAuthorized());
        QCOMPARE(changed.size(), 1);

        // Every failure, even of one project, is a notification of its own (replaces_id 0).
        manager.notifyDeployFailed(u"Web"_s, u"exit code 2"_s);
        manager.notifyDeployFailed(u"Web"_s, std::nullopt);
        manager.notifyDeployFailed(u"Web"_s, u" \n"_s);
        m_preferences.setLanguage(AppLanguage::En);
        manager.notifyDeployFailed(u"Web"_s, u"exit code 2"_s);
        manager.notifyDeployFixed(u"Web"_s);
        const QString fallback =
            u"Quaylin|0|Deploy selhal — Web|Zkontroluj appku Quaylin pro detaily."_s;
        QTRY_COMPARE(m_server.posted,
                     (QStringList{u"Quaylin|0|Deploy selhal — Web|exit code 2"_s, fallback,
                                  fallback, u"Quaylin|0|Deploy failed — Web|exit code 2"_s,
                                  u"Quaylin|0|Deploy fixed — Web|The newest production deploy "
                                  u"went through again."_s}));
    }

    void withoutServerStaysUnauthorised()
    {
        QVERIFY(m_bus.serverBus.unregisterService(FakeNotificationBus::service));
        const QDBusConnection bus = m_bus.connect(u"without"_s);
        NotificationManager manager(bus);
        QCoro::waitFor(manager.requestAuthorizationIfNeeded());
        // A server that turns up later is not asked: the answer at start holds for the run.
        QVERIFY(m_bus.serverBus.registerService(FakeNotificationBus::service));
        QCoro::waitFor(manager.requestAuthorizationIfNeeded());
        QVERIFY(!manager.isAuthorized());
        manager.notifyDeployFailed(u"Web"_s, u"failed"_s);
        // A round trip on the same connection arrives after anything sent before it.
        const auto ping =
            QDBusMessage::createMethodCall(FakeNotificationBus::service, FakeNotificationBus::path,
                                           FakeNotificationBus::service, u"GetServerInformation"_s);
        QCOMPARE(bus.call(ping, QDBus::BlockWithGui).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(m_server.posted.size(), 0);
    }
};

QTEST_GUILESS_MAIN(NotificationsTest)
#include "tst_notifications.moc"
