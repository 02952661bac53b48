// SPDX-License-Identifier: MIT
#include "services/localization.h"
#include "services/notificationmanager.h"
#include "support/testenvironment.h"

#include <QCoroDBusPendingCall>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/prctl.h>

namespace {

const QString notificationsName = QStringLiteral("org.freedesktop.Notifications");
const QString notificationsPath = QStringLiteral("/org/freedesktop/Notifications");

// A bus with the session bus's policy but no activatable services, so no real notification
// server can take part.
constexpr auto busConfig = R"(<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

struct Posted {
    QString appName;
    uint replacesId = 0;
    QString summary;
    QString body;
    QVariantMap hints;
};

QCoro::Task<QDBusMessage> callOver(QDBusConnection bus, QDBusMessage message)
{
    const QDBusPendingCall call = bus.asyncCall(message);
    co_return co_await call;
}

} // namespace

// Stands in for the desktop's notification server and remembers what it was asked to show.
class FakeNotificationServer final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QList<Posted> posted;

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &, const QString &summary,
                const QString &body, const QStringList &, const QVariantMap &hints, int)
    {
        posted.append({appName, replacesId, summary, body, hints});
        return uint(posted.size());
    }

    QString GetServerInformation(QString &vendor, QString &version, QString &specVersion)
    {
        vendor = QStringLiteral("tests");
        version = specVersion = QStringLiteral("1.2");
        return QStringLiteral("fake");
    }
};

class NotificationsTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void postsOnlyOnceAuthorised();
    void deployFailedContent_data();
    void deployFailedContent();
    void withoutServerStaysUnauthorised();

private:
    QDBusConnection openConnection();
    // A round trip over the manager's connection arrives after everything it sent before.
    void flush(const QDBusConnection &bus);

    TestEnvironment m_environment;
    QTemporaryDir m_busDir;
    QProcess m_daemon;
    QString m_address;
    int m_connections = 0;
    FakeNotificationServer m_server;
    std::optional<QDBusConnection> m_serverBus;
};

void NotificationsTest::initTestCase()
{
    QFile config(m_busDir.filePath(QStringLiteral("bus.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(QString::fromLatin1(busConfig).arg(m_busDir.path()).toUtf8());
    config.close();

    m_daemon.setStandardErrorFile(QProcess::nullDevice());
    // Goes with us even when a failing test aborts the process.
    m_daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + config.fileName(),
                    QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    QVERIFY2(m_daemon.waitForStarted(), "dbus-daemon is not installed");
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead()) {
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    QVERIFY2(!m_address.isEmpty(), "dbus-daemon printed no address");
}

void NotificationsTest::init()
{
    AppLanguageStore::setCurrent(AppLanguage::Cs);
    m_server.posted.clear();
    m_serverBus = openConnection();
    QVERIFY(
        m_serverBus->registerObject(notificationsPath, &m_server, QDBusConnection::ExportAllSlots));
    QVERIFY(m_serverBus->registerService(notificationsName));
}

void NotificationsTest::cleanup()
{
    QDBusConnection::disconnectFromBus(m_serverBus->name());
    m_serverBus.reset();
}

void NotificationsTest::cleanupTestCase()
{
    m_daemon.terminate();
    m_daemon.waitForFinished();
}

QDBusConnection NotificationsTest::openConnection()
{
    return QDBusConnection::connectToBus(m_address, QStringLiteral("test-%1").arg(++m_connections));
}

void NotificationsTest::flush(const QDBusConnection &bus)
{
    const QDBusMessage ping =
        QDBusMessage::createMethodCall(notificationsName, notificationsPath, notificationsName,
                                       QStringLiteral("GetServerInformation"));
    QCOMPARE(QCoro::waitFor(callOver(bus, ping)).type(), QDBusMessage::ReplyMessage);
}

void NotificationsTest::postsOnlyOnceAuthorised()
{
    const QDBusConnection bus = openConnection();
    NotificationManager manager(bus);
    QSignalSpy changed(&manager, &NotificationManager::authorizationChanged);

    // Dropped, not queued for later.
    manager.notifyDeployFailed(QStringLiteral("Web"), QStringLiteral("early"));
    QCoro::waitFor(manager.requestAuthorizationIfNeeded());
    QVERIFY(manager.isAuthorized());
    QCOMPARE(changed.size(), 1);
    QCoro::waitFor(manager.requestAuthorizationIfNeeded()); // asked once only
    QCOMPARE(changed.size(), 1);
    flush(bus);
    QCOMPARE(m_server.posted.size(), 0);

    // Two failures, even of one project, are two notifications: replaces_id 0 asks the
    // server for a new one each time.
    manager.notifyDeployFailed(QStringLiteral("Web"), QStringLiteral("late"));
    manager.notifyDeployFailed(QStringLiteral("Web"), QStringLiteral("later"));
    QTRY_COMPARE(m_server.posted.size(), 2);
    for (const Posted &posted : std::as_const(m_server.posted)) {
        QCOMPARE(posted.appName, QStringLiteral("Quaylin"));
        QCOMPARE(posted.replacesId, 0u);
        QVERIFY(posted.hints.contains(QStringLiteral("sound-name")));
    }
    QCOMPARE(m_server.posted.at(1).body, QStringLiteral("later"));
}

void NotificationsTest::deployFailedContent_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<std::optional<QString>>("message");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("body");

    const QString fallback = QStringLiteral("Zkontroluj appku Quaylin pro detaily.");
    const QString message = QStringLiteral("Build script returned non-zero exit code: 2");
    const QString czech = QStringLiteral("Deploy selhal — Blog");
    const QString english = QStringLiteral("Deploy failed — Blog");
    const std::optional<QString> none;
    QTest::newRow("czech") << false << std::optional(message) << czech << message;
    QTest::newRow("english") << true << std::optional(message) << english << message;
    QTest::newRow("no message") << false << none << czech << fallback;
    // The fallback has no English twin.
    QTest::newRow("no message, english") << true << none << english << fallback;
    QTest::newRow("empty message") << false << std::optional(QString()) << czech << fallback;
}

void NotificationsTest::deployFailedContent()
{
    QFETCH(bool, english);
    QFETCH(std::optional<QString>, message);
    QFETCH(QString, summary);
    QFETCH(QString, body);

    AppLanguageStore::setCurrent(english ? AppLanguage::En : AppLanguage::Cs);
    NotificationManager manager(openConnection());
    QCoro::waitFor(manager.requestAuthorizationIfNeeded());
    manager.notifyDeployFailed(QStringLiteral("Blog"), message);
    QTRY_COMPARE(m_server.posted.size(), 1);
    QCOMPARE(m_server.posted.at(0).summary, summary);
    QCOMPARE(m_server.posted.at(0).body, body);
}

void NotificationsTest::withoutServerStaysUnauthorised()
{
    QVERIFY(m_serverBus->unregisterService(notificationsName));
    const QDBusConnection bus = openConnection();
    NotificationManager manager(bus);
    QSignalSpy changed(&manager, &NotificationManager::authorizationChanged);
    QCoro::waitFor(manager.requestAuthorizationIfNeeded());
    QVERIFY(!manager.isAuthorized());

    // A server that turns up later is not asked: the answer at start holds for the run.
    QVERIFY(m_serverBus->registerService(notificationsName));
    QCoro::waitFor(manager.requestAuthorizationIfNeeded());
    QVERIFY(!manager.isAuthorized());
    QCOMPARE(changed.size(), 0);
    manager.notifyDeployFailed(QStringLiteral("Web"), QStringLiteral("failed"));
    flush(bus);
    QCOMPARE(m_server.posted.size(), 0);
}

QTEST_GUILESS_MAIN(NotificationsTest)
#include "tst_notifications.moc"
