// SPDX-License-Identifier: MIT
#include "services/localization.h"
#include "services/notificationmanager.h"
#include "support/testenvironment.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <sys/prctl.h>

using namespace Qt::StringLiterals;

namespace {

const QString service = u"org.freedesktop.Notifications"_s;
const QString path = u"/org/freedesktop/Notifications"_s;

// The session bus's policy without its activatable services, so no real notification server
// can take part.
constexpr auto busConfig = R"(<busconfig><listen>unix:dir=%1</listen><policy context="default">
<allow own="*"/><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
</policy></busconfig>)";

} // namespace

// Stands in for the desktop's notification server and remembers what it was asked to show.
class FakeNotificationServer final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList posted; // application|replaces_id|summary|body

public slots:
    void Notify(const QString &app, uint replacesId, const QString &, const QString &summary,
                const QString &body, const QStringList &, const QVariantMap &, int)
    {
        posted.append(u"%1|%2|%3|%4"_s.arg(app).arg(replacesId).arg(summary, body));
    }
    void GetServerInformation() {} // any answer will do
};

class NotificationsTest final : public QObject {
    Q_OBJECT

    TestEnvironment m_environment;
    QProcess m_daemon;
    QString m_address;
    FakeNotificationServer m_server;
    QDBusConnection m_serverBus{QString()};

private slots:
    void initTestCase()
    {
        const QString root = m_environment.root(), config = root + u"/bus.conf"_s;
        QVERIFY(writeFile(config, QString::fromLatin1(busConfig).arg(root).toUtf8()));
        // Goes with us even when a failing test aborts the process.
        m_daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_daemon.start(u"dbus-daemon"_s,
                       {u"--config-file="_s + config, u"--nofork"_s, u"--print-address"_s});
        QVERIFY2(m_daemon.waitForStarted() && m_daemon.waitForReadyRead(), "no dbus-daemon");
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        m_serverBus = QDBusConnection::connectToBus(m_address, u"server"_s);
        QVERIFY(m_serverBus.registerObject(path, &m_server, QDBusConnection::ExportAllSlots));
        QVERIFY(m_serverBus.registerService(service));
    }
    void init() { m_server.posted.clear(); }
    void cleanupTestCase()
    {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    void postsOnlyOnceAuthorised()
    {
        NotificationManager manager(QDBusConnection::connectToBus(m_address, u"posts"_s));
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
        AppLanguageStore::setCurrent(AppLanguage::En);
        manager.notifyDeployFailed(u"Web"_s, u"exit code 2"_s);
        const QString fallback =
            u"Quaylin|0|Deploy selhal — Web|Zkontroluj appku Quaylin pro detaily."_s;
        QTRY_COMPARE(m_server.posted,
                     (QStringList{u"Quaylin|0|Deploy selhal — Web|exit code 2"_s, fallback,
                                  fallback, u"Quaylin|0|Deploy failed — Web|exit code 2"_s}));
    }

    void withoutServerStaysUnauthorised()
    {
        QVERIFY(m_serverBus.unregisterService(service));
        const QDBusConnection bus = QDBusConnection::connectToBus(m_address, u"without"_s);
        NotificationManager manager(bus);
        QCoro::waitFor(manager.requestAuthorizationIfNeeded());
        // A server that turns up later is not asked: the answer at start holds for the run.
        QVERIFY(m_serverBus.registerService(service));
        QCoro::waitFor(manager.requestAuthorizationIfNeeded());
        QVERIFY(!manager.isAuthorized());
        manager.notifyDeployFailed(u"Web"_s, u"failed"_s);
        // A round trip on the same connection arrives after anything sent before it.
        const auto ping =
            QDBusMessage::createMethodCall(service, path, service, u"GetServerInformation"_s);
        QCOMPARE(bus.call(ping, QDBus::BlockWithGui).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(m_server.posted.size(), 0);
    }
};

QTEST_GUILESS_MAIN(NotificationsTest)
#include "tst_notifications.moc"
