// SPDX-License-Identifier: MIT
#include "sources/environmenttokens.h"
#include "sources/keychaintokenstore.h"
#include "support/testenvironment.h"

#include <QCoroSignal>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QtTest>

#include <qt6keychain/keychain.h>

using StringMap = QMap<QString, QString>;

namespace {

const QString secretsService = QStringLiteral("org.freedesktop.secrets");
const QString unset = QStringLiteral("<unset>");
const QString absent = QStringLiteral("<absent>");

QString shown(const std::optional<QString> &token)
{
    return token.value_or(absent);
}

// Items of any schema whose "server" attribute (where QtKeychain keeps the service) matches,
// locked or not, asked of the Secret Service itself.
int itemCount(const QString &service)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        secretsService, QStringLiteral("/org/freedesktop/secrets"),
        QStringLiteral("org.freedesktop.Secret.Service"), QStringLiteral("SearchItems"));
    call << QVariant::fromValue(StringMap{{QStringLiteral("server"), service}});
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
        return -1;
    return int(qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().at(0)).size() +
               qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().at(1)).size());
}

// Stores raw bytes through QtKeychain, bypassing the store's own encoding.
QCoro::Task<bool> writeRaw(QString service, QByteArray data, bool asText)
{
    QKeychain::WritePasswordJob job(service);
    job.setAutoDelete(false);
    if (asText)
        job.setTextData(QString::fromUtf8(data));
    else
        job.setBinaryData(data);
    job.start();
    co_await qCoro(&job, &QKeychain::Job::finished);
    co_return job.error() == QKeychain::NoError;
}

} // namespace

class KeychainTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void saveReplacesAndRemoveDeletes();
    void requestsRunInTheOrderAsked();
    void netlifyTokenMigratesAndIsRemovedEverywhere();
    void storedBytesDecode_data();
    void storedBytesDecode();
    void environmentTokens_data();
    void environmentTokens();

private:
    QString read(const QString &service) { return shown(QCoro::waitFor(m_store.read(service))); }
    QString loadNetlify() { return shown(QCoro::waitFor(Tokens::loadNetlify(m_store))); }
    void removeAll();

    TestEnvironment m_environment;
    KeychainTokenStore m_store;
    bool m_throwawayKeyring = false;
};

void KeychainTest::initTestCase()
{
    // These tests delete the application's keychain items, so they run only against the
    // throw-away keyring of scripts/with-keyring.sh, and fail (never skip) without it: a
    // skipped keychain test would hide a broken set-up.
    QVERIFY2(qEnvironmentVariableIsSet("QUAYLIN_THROWAWAY_KEYRING"),
             "run through scripts/test.sh (dbus-run-session + scripts/with-keyring.sh)");
    QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY2(bus.isConnected(), "no D-Bus session bus");
    QVERIFY2(bus.interface()->isServiceRegistered(secretsService),
             "no Secret Service on the session bus");
    qDBusRegisterMetaType<StringMap>();
    m_throwawayKeyring = true;
}

void KeychainTest::init()
{
    removeAll();
}

void KeychainTest::cleanupTestCase()
{
    // Runs even when initTestCase failed, so it must not touch someone's real keyring.
    if (m_throwawayKeyring)
        removeAll();
}

void KeychainTest::removeAll()
{
    for (const QString &service : {TokenServices::netlify(), TokenServices::vercel(),
                                   TokenServices::github(), TokenServices::formerNetlify()}) {
        QCoro::waitFor(m_store.remove(service));
        QCOMPARE(itemCount(service), 0);
    }
}

void KeychainTest::saveReplacesAndRemoveDeletes()
{
    const QString service = TokenServices::vercel();
    QCOMPARE(read(service), absent);
    QCoro::waitFor(m_store.save(QStringLiteral("first"), service));
    QCOMPARE(read(service), QStringLiteral("first"));
    QCoro::waitFor(m_store.save(QStringLiteral("second"), service));
    QCOMPARE(read(service), QStringLiteral("second"));
    QCOMPARE(itemCount(service), 1);
    QCOMPARE(itemCount(TokenServices::github()), 0);

    QCoro::waitFor(m_store.remove(service));
    QCOMPARE(read(service), absent);
    QCOMPARE(itemCount(service), 0);
}

void KeychainTest::requestsRunInTheOrderAsked()
{
    // Callers fire saves and removals without waiting; each must land in the order asked.
    const QString service = TokenServices::github();
    m_store.save(QStringLiteral("a"), service);
    m_store.remove(service);
    QCOMPARE(read(service), absent);

    m_store.save(QStringLiteral("a"), service);
    m_store.save(QStringLiteral("b"), service);
    QCOMPARE(read(service), QStringLiteral("b"));
    QCOMPARE(itemCount(service), 1);

    m_store.remove(service);
    m_store.save(QStringLiteral("c"), service);
    QCOMPARE(read(service), QStringLiteral("c"));
}

void KeychainTest::netlifyTokenMigratesAndIsRemovedEverywhere()
{
    const QString current = TokenServices::netlify();
    const QString former = TokenServices::formerNetlify();
    QCOMPARE(loadNetlify(), absent);
    QCOMPARE(itemCount(current), 0);

    // Only the former item: found, copied to the current service, former left in place.
    QCoro::waitFor(m_store.save(QStringLiteral("old"), former));
    QCOMPARE(loadNetlify(), QStringLiteral("old"));
    QCOMPARE(read(current), QStringLiteral("old"));
    QCOMPARE(read(former), QStringLiteral("old"));
    QCOMPARE(itemCount(current), 1);
    QCOMPARE(itemCount(former), 1);

    // The current item wins; the former one is not consulted.
    QCoro::waitFor(m_store.save(QStringLiteral("new"), current));
    QCOMPARE(loadNetlify(), QStringLiteral("new"));
    QCOMPARE(read(former), QStringLiteral("old"));

    // Removed as the settings sheet does it (both fired, neither awaited), the token does not
    // come back at the next start.
    m_store.remove(current);
    m_store.remove(former);
    QCOMPARE(loadNetlify(), absent);
    QCOMPARE(itemCount(current), 0);
    QCOMPARE(itemCount(former), 0);
}

void KeychainTest::storedBytesDecode_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("asText");
    QTest::addColumn<QString>("expected");

    QTest::newRow("utf-8") << QStringLiteral("tok žluť").toUtf8() << true
                           << QStringLiteral("tok žluť");
    QTest::newRow("binary utf-8") << QByteArray("tok\xc3\xa9n") << false << QStringLiteral("tokén");
    QTest::newRow("invalid utf-8") << QByteArray("\xff\xfe\x80tok") << false << absent;
    QTest::newRow("truncated sequence") << QByteArray("tok\xc3") << false << absent;
    QTest::newRow("empty") << QByteArray() << true << absent;
}

void KeychainTest::storedBytesDecode()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, asText);
    QFETCH(QString, expected);

    const QString service = TokenServices::vercel();
    QVERIFY(QCoro::waitFor(writeRaw(service, stored, asText)));
    QCOMPARE(read(service), expected);

    // Whatever was stored before, and however, a save leaves exactly the one new item.
    QCoro::waitFor(m_store.save(QStringLiteral("fresh"), service));
    QCOMPARE(read(service), QStringLiteral("fresh"));
    QCOMPARE(itemCount(service), 1);
}

void KeychainTest::environmentTokens_data()
{
    QTest::addColumn<QStringList>("variables"); // NETLIFY_AUTH_TOKEN, VERCEL_TOKEN, GH_, GITHUB_
    QTest::addColumn<QStringList>("expected");  // netlify, vercel, github

    QTest::newRow("none set") << QStringList{unset, unset, unset, unset}
                              << QStringList{absent, absent, absent};
    QTest::newRow("trimmed") << QStringList{QStringLiteral(" n\n"), QStringLiteral("\tv "),
                                            QStringLiteral(" g"), unset}
                             << QStringList{QStringLiteral("n"), QStringLiteral("v"),
                                            QStringLiteral("g")};
    QTest::newRow("blank is unset")
        << QStringList{QStringLiteral("  "), QStringLiteral("\n"), QString(), QStringLiteral(" ")}
        << QStringList{absent, absent, absent};
    QTest::newRow("GH_TOKEN first")
        << QStringList{unset, unset, QStringLiteral("gh"), QStringLiteral("github")}
        << QStringList{absent, absent, QStringLiteral("gh")};
    QTest::newRow("GITHUB_TOKEN when GH_TOKEN blank")
        << QStringList{unset, unset, QStringLiteral(" "), QStringLiteral("github")}
        << QStringList{absent, absent, QStringLiteral("github")};
    QTest::newRow("GITHUB_TOKEN alone") << QStringList{unset, unset, unset, QStringLiteral("x")}
                                        << QStringList{absent, absent, QStringLiteral("x")};
}

void KeychainTest::environmentTokens()
{
    QFETCH(QStringList, variables);
    QFETCH(QStringList, expected);

    const char *names[] = {"NETLIFY_AUTH_TOKEN", "VERCEL_TOKEN", "GH_TOKEN", "GITHUB_TOKEN"};
    for (int i = 0; i < 4; ++i) {
        if (variables.at(i) == unset)
            qunsetenv(names[i]);
        else
            qputenv(names[i], variables.at(i).toUtf8());
    }
    const EnvironmentTokens tokens = EnvironmentTokens::read();
    QCOMPARE(QStringList({shown(tokens.netlify), shown(tokens.vercel), shown(tokens.github)}),
             expected);
}

QTEST_GUILESS_MAIN(KeychainTest)
#include "tst_keychain.moc"
