// SPDX-License-Identifier: MIT
#include "sources/environmenttokens.h"
#include "sources/keychaintokenstore.h"
#include "support/testenvironment.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QtTest>

using namespace Qt::StringLiterals;
using StringMap = QMap<QString, QString>;

namespace {

const QString secrets = u"org.freedesktop.secrets"_s;
// The items the application reads: their names must never change, or tokens are lost.
const QString current = u"app.quaylin.Quaylin.netlify-token"_s;
const QString former = u"app.quaylin.menubar.netlify-token"_s;

QCoro::Task<std::optional<QString>> loadNetlify(TokenStore &store, Tokens::Former mode)
{
    return Tokens::load(store, current, QStringList{former}, mode);
}

// Items of any schema whose "server" attribute (where QtKeychain keeps the service) matches,
// asked of the Secret Service itself.
int itemCount(const QString &service)
{
    QDBusInterface search(secrets, u"/org/freedesktop/secrets"_s,
                          u"org.freedesktop.Secret.Service"_s);
    const QDBusReply<QList<QDBusObjectPath>> unlocked =
        search.call(u"SearchItems"_s, QVariant::fromValue(StringMap{{u"server"_s, service}}));
    return unlocked.isValid() ? int(unlocked.value().size()) : -1;
}

} // namespace

class KeychainTest final : public QObject {
    Q_OBJECT

    TestEnvironment m_environment;
    KeychainTokenStore m_store;

private slots:
    void initTestCase()
    {
        // Deleting the application's items is only safe in the throw-away keyring of
        // scripts/with-keyring.sh; without it, fail: a skipped test would hide a broken set-up.
        QVERIFY2(qEnvironmentVariableIsSet("QUAYLIN_THROWAWAY_KEYRING"),
                 "run through scripts/test.sh (dbus-run-session + scripts/with-keyring.sh)");
        const QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY2(bus.isConnected() && bus.interface()->isServiceRegistered(secrets),
                 "no Secret Service on the session bus");
        qDBusRegisterMetaType<StringMap>();
    }
    void init()
    {
        for (const QString &service : {current, former})
            QCoro::waitFor(m_store.remove(service));
    }

    void storeAndNetlifyMigration()
    {
        // Only the former item: read as it is when asked not to copy it (the command line)...
        QCoro::waitFor(m_store.save(u"old"_s, former));
        QCOMPARE(QCoro::waitFor(loadNetlify(m_store, Tokens::Former::Leave)), u"old"_s);
        QCOMPARE(itemCount(current), 0);
        // ... else copied to the current service, the former one left in place.
        QCOMPARE(QCoro::waitFor(loadNetlify(m_store, Tokens::Former::Copy)), u"old"_s);
        QCOMPARE(QCoro::waitFor(m_store.read(current)), u"old"_s);
        QCOMPARE(itemCount(former), 1);

        // Saves fired without waiting land in the order asked, each replacing the item; the
        // current item wins over the former one.
        m_store.save(u"first"_s, current);
        m_store.save(u"new"_s, current);
        QCOMPARE(QCoro::waitFor(loadNetlify(m_store, Tokens::Former::Copy)), u"new"_s);
        QCOMPARE(itemCount(current), 1);
        QCoro::waitFor(m_store.save(QString(), current));
        QCOMPARE(QCoro::waitFor(m_store.read(current)), std::nullopt); // blank is no token

        // Removed as the settings sheet does it (both fired, neither awaited), the token does not
        // come back at the next start.
        m_store.remove(current);
        m_store.remove(former);
        QCOMPARE(QCoro::waitFor(loadNetlify(m_store, Tokens::Former::Copy)), std::nullopt);
        QCOMPARE(itemCount(current), 0);
        QCOMPARE(itemCount(former), 0);
    }

    void environmentTokens()
    {
        qputenv("QUAYLIN_TEST_BLANK", "\t "); // blank is unset
        qputenv("QUAYLIN_TEST_TOKEN", " token\n");
        const QStringList both{u"QUAYLIN_TEST_BLANK"_s, u"QUAYLIN_TEST_TOKEN"_s};
        QCOMPARE(EnvironmentTokens::first(both), u"token"_s);
        QCOMPARE(EnvironmentTokens::first({u"QUAYLIN_TEST_BLANK"_s}), std::nullopt);
        qputenv("QUAYLIN_TEST_BLANK", "first"); // the first set one wins
        QCOMPARE(EnvironmentTokens::first(both), u"first"_s);
    }
};

QTEST_GUILESS_MAIN(KeychainTest)
#include "tst_keychain.moc"
