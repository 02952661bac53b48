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
        for (const QString &service : {TokenServices::netlify(), TokenServices::formerNetlify()})
            QCoro::waitFor(m_store.remove(service));
    }

    void storeAndNetlifyMigration()
    {
        const QString current = TokenServices::netlify(), former = TokenServices::formerNetlify();
        // Only the former item: found, copied to the current service, former left in place.
        QCoro::waitFor(m_store.save(u"old"_s, former));
        QCOMPARE(QCoro::waitFor(Tokens::loadNetlify(m_store)), u"old"_s);
        QCOMPARE(QCoro::waitFor(m_store.read(current)), u"old"_s);
        QCOMPARE(itemCount(former), 1);

        // Saves fired without waiting land in the order asked, each replacing the item; the
        // current item wins over the former one.
        m_store.save(u"first"_s, current);
        m_store.save(u"new"_s, current);
        QCOMPARE(QCoro::waitFor(Tokens::loadNetlify(m_store)), u"new"_s);
        QCOMPARE(itemCount(current), 1);
        QCoro::waitFor(m_store.save(QString(), current));
        QCOMPARE(QCoro::waitFor(m_store.read(current)), std::nullopt); // blank is no token

        // Removed as the settings sheet does it (both fired, neither awaited), the token does not
        // come back at the next start.
        m_store.remove(current);
        m_store.remove(former);
        QCOMPARE(QCoro::waitFor(Tokens::loadNetlify(m_store)), std::nullopt);
        QCOMPARE(itemCount(current), 0);
        QCOMPARE(itemCount(former), 0);
    }

    void environmentTokens()
    {
        qputenv("NETLIFY_AUTH_TOKEN", " n\n");
        qputenv("VERCEL_TOKEN", "\t "); // blank is unset
        qputenv("GH_TOKEN", " ");
        qputenv("GITHUB_TOKEN", "github");
        const EnvironmentTokens tokens = EnvironmentTokens::read();
        QCOMPARE(tokens.netlify, u"n"_s);
        QCOMPARE(tokens.vercel, std::nullopt);
        QCOMPARE(tokens.github, u"github"_s);
        qputenv("GH_TOKEN", "gh"); // first when set
        QCOMPARE(EnvironmentTokens::read().github, u"gh"_s);
    }
};

QTEST_GUILESS_MAIN(KeychainTest)
#include "tst_keychain.moc"
