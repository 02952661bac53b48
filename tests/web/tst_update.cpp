// SPDX-License-Identifier: MIT
#include "support/fakeservice.h"

#include "services/appversion.h"
#include "services/localization.h"
#include "services/preferences.h"
#include "services/updatechecker.h"
#include "support/testenvironment.h"

#include <QCoroTask>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString manifestPath = QStringLiteral("/downloads/quaylin/version.json");
const QString hint =
    QStringLiteral("Stáhni, otevři DMG a přetáhni Quaylin do Applications (potvrď přepsání).");

} // namespace

class TestUpdate final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_environment.resetPreferences();
        AppLanguageStore::setCurrent(AppLanguage::Cs);
    }

    void comparesVersions_data();
    void comparesVersions();
    void appliesTheManifest();
    void keepsWhatItKnewWhenAFetchFails_data();
    void keepsWhatItKnewWhenAFetchFails();
    void downloadAddressMustBeAWebAddress_data();
    void downloadAddressMustBeAWebAddress();
    void bannerTextAddsNotesWhenNotBlank();
    void dismissedVersionPersists();

private:
    QUrl manifestURL() const { return m_service.base().resolved(QUrl(manifestPath)); }

    TestEnvironment m_environment;
    QNetworkAccessManager m_network;
    FakeService m_service;
};

void TestUpdate::comparesVersions_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("newer");
    QTest::newRow("2.0 > 1.9.9") << "2.0"
                                 << "1.9.9" << true;
    QTest::newRow("1.9.9 < 2.0") << "1.9.9"
                                 << "2.0" << false;
    QTest::newRow("1.2.0 = 1.2") << "1.2.0"
                                 << "1.2" << false;
    QTest::newRow("1.2 = 1.2.0") << "1.2"
                                 << "1.2.0" << false;
    QTest::newRow("1.10 > 1.9") << "1.10"
                                << "1.9" << true;
    QTest::newRow("1.2.1 > 1.2") << "1.2.1"
                                 << "1.2" << true;
    QTest::newRow("beta piece dropped") << "1.2.3-beta"
                                        << "1.2" << false;
    QTest::newRow("beta vs 1.1") << "1.2.3-beta"
                                 << "1.1" << true;
    QTest::newRow("v dropped") << "v1.2"
                               << "2.0" << false; // v1.2 reads as 2
    QTest::newRow("v dropped, newer") << "v1.2"
                                      << "1.10" << true;
    QTest::newRow("empty pieces") << "1..2"
                                  << "1.2" << false;
    QTest::newRow("empty pieces, newer") << "1..3"
                                         << "1.2" << true;
    QTest::newRow("plus sign") << "+2"
                               << "1.9" << true;
    QTest::newRow("minus sign") << "1.-1"
                                << "1" << false;
    QTest::newRow("minus vs zero") << "1.0"
                                   << "1.-1" << true;
    QTest::newRow("bare sign dropped") << "1.+.2"
                                       << "1.2" << false;
    QTest::newRow("space not a number") << "1. 5"
                                        << "1" << false;
    QTest::newRow("no numbers") << "beta"
                                << "alpha" << false;
    QTest::newRow("overflow dropped") << "99999999999999999999.1"
                                      << "1" << false;
}

void TestUpdate::comparesVersions()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, newer);
    QCOMPARE(UpdateChecker::isNewer(a, b), newer);
}

void TestUpdate::appliesTheManifest()
{
    m_service.serve(manifestPath, 200, FakeService::fixture("update-manifest.json"));
    UpdateChecker checker(m_network, manifestURL(), "1.9.9");
    QSignalSpy changed(&checker, &UpdateChecker::changed);
    QVERIFY(!checker.isUpdateAvailable());

    QCoro::waitFor(checker.checkForUpdate());
    QCOMPARE(checker.latestVersion(), "2.0");
    QCOMPARE(checker.downloadURL(), QUrl("https://quaylin.app/downloads/quaylin/Quaylin-2.0.dmg"));
    QCOMPARE(checker.notes(), "Rychlejší obnovení stavu.");
    QVERIFY(checker.isUpdateAvailable());
    QCOMPARE(changed.size(), 1);
    QVERIFY(!m_service.requests().last().headers.contains("authorization"));

    // The same document again changes nothing.
    QCoro::waitFor(checker.checkForUpdate());
    QCOMPARE(changed.size(), 1);

    UpdateChecker same(m_network, manifestURL(), "2.0");
    QCoro::waitFor(same.checkForUpdate());
    QVERIFY(!same.isUpdateAvailable());

    m_service.serve(manifestPath, 200, R"({"version":"1.2.0","url":"https://quaylin.app/x"})");
    UpdateChecker equal(m_network, manifestURL(), "1.2");
    QCoro::waitFor(equal.checkForUpdate());
    QCOMPARE(equal.latestVersion(), "1.2.0");
    QCOMPARE(equal.notes(), std::nullopt);
    QVERIFY(!equal.isUpdateAvailable());

    QVERIFY(!AppVersion::current().isEmpty());
    QCOMPARE(AppVersion::current(), QStringLiteral(QUAYLIN_VERSION));
}

void TestUpdate::keepsWhatItKnewWhenAFetchFails_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("404") << 404 << QByteArray(R"({"version":"3.0","url":"https://x.org"})");
    QTest::newRow("500") << 500 << QByteArray();
    QTest::newRow("not JSON") << 200 << QByteArray("<html>");
    QTest::newRow("array") << 200 << QByteArray(R"([{"version":"3.0","url":"https://x.org"}])");
    QTest::newRow("no url") << 200 << QByteArray(R"({"version":"3.0"})");
    QTest::newRow("no version") << 200 << QByteArray(R"({"url":"https://x.org"})");
    QTest::newRow("numeric version") << 200 << QByteArray(R"({"version":3,"url":"https://x.org"})");
    QTest::newRow("numeric notes")
        << 200 << QByteArray(R"({"version":"3.0","url":"https://x.org","notes":1})");
}

void TestUpdate::keepsWhatItKnewWhenAFetchFails()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    m_service.serve(manifestPath, 200, FakeService::fixture("update-manifest.json"));
    UpdateChecker checker(m_network, manifestURL(), "1.0");
    QCoro::waitFor(checker.checkForUpdate());
    QCOMPARE(checker.latestVersion(), "2.0");

    m_service.serve(manifestPath, status, body);
    QSignalSpy changed(&checker, &UpdateChecker::changed);
    QCoro::waitFor(checker.checkForUpdate());
    QCOMPARE(changed.size(), 0);
    QCOMPARE(checker.latestVersion(), "2.0");
    QVERIFY(checker.downloadURL().has_value());
    QCOMPARE(checker.notes(), "Rychlejší obnovení stavu.");

    // Nothing known before and an unreachable manifest: still nothing, silently.
    UpdateChecker unreachable(m_network, QUrl("http://127.0.0.1:1/version.json"), "1.0");
    QCoro::waitFor(unreachable.checkForUpdate());
    QCOMPARE(unreachable.latestVersion(), std::nullopt);
}

void TestUpdate::downloadAddressMustBeAWebAddress_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("kept");
    QTest::newRow("https") << "https://quaylin.app/Quaylin.dmg" << true;
    QTest::newRow("http") << "http://quaylin.app/Quaylin.dmg" << true;
    QTest::newRow("not a URL") << "not a url" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("relative") << "Quaylin.dmg" << false;
    QTest::newRow("file") << "file:///usr/bin/xterm" << false;
    QTest::newRow("script") << "javascript:alert(1)" << false;
}

void TestUpdate::downloadAddressMustBeAWebAddress()
{
    QFETCH(QString, url);
    QFETCH(bool, kept);
    QJsonObject manifest{{"version", "9.0"}, {"url", url}};
    m_service.serve(manifestPath, 200, QJsonDocument(manifest).toJson());
    UpdateChecker checker(m_network, manifestURL(), "1.0");
    QCoro::waitFor(checker.checkForUpdate());
    // The version is announced either way; only the download button depends on the address.
    QVERIFY(checker.isUpdateAvailable());
    QCOMPARE(checker.downloadURL().has_value(), kept);
}

void TestUpdate::bannerTextAddsNotesWhenNotBlank()
{
    UpdateChecker checker(m_network, manifestURL(), "1.0");
    QCOMPARE(checker.bannerText(), hint);
    const QList<std::pair<QByteArray, QString>> cases = {
        {R"("notes":null)", hint},
        {R"("notes":"")", hint},
        {R"("notes":" \n\t ")", hint},
        {R"("notes":" Opravy.\n")", " Opravy.\n " + hint},
    };
    for (const auto &[notes, expected] : cases) {
        m_service.serve(manifestPath, 200,
                        R"({"version":"2.0","url":"https://quaylin.app/x",)" + notes + "}");
        QCoro::waitFor(checker.checkForUpdate());
        QCOMPARE(checker.bannerText(), expected);
    }
    AppLanguageStore::setCurrent(AppLanguage::En);
    QVERIFY(checker.bannerText().endsWith(" Download, open the DMG and drag Quaylin into "
                                          "Applications (confirm overwrite)."));
}

void TestUpdate::dismissedVersionPersists()
{
    m_service.serve(manifestPath, 200, FakeService::fixture("update-manifest.json"));
    {
        UpdateChecker checker(m_network, manifestURL(), "1.0");
        QCOMPARE(checker.dismissedVersion(), std::nullopt);
        QCoro::waitFor(checker.checkForUpdate());
        QSignalSpy changed(&checker, &UpdateChecker::changed);
        checker.setDismissedVersion(checker.latestVersion());
        QCOMPARE(changed.size(), 1);
        QVERIFY(!checker.isUpdateAvailable());
    }
    QCOMPARE(Preferences::open().value(Preferences::dismissedUpdateVersionKey).toString(), "2.0");

    UpdateChecker restarted(m_network, manifestURL(), "1.0");
    QCOMPARE(restarted.dismissedVersion(), "2.0");
    QCoro::waitFor(restarted.checkForUpdate());
    QVERIFY(!restarted.isUpdateAvailable());

    // A newer release brings the banner back.
    m_service.serve(manifestPath, 200, R"({"version":"2.1","url":"https://quaylin.app/x"})");
    QCoro::waitFor(restarted.checkForUpdate());
    QVERIFY(restarted.isUpdateAvailable());

    restarted.setDismissedVersion(std::nullopt);
    QVERIFY(!Preferences::open().contains(Preferences::dismissedUpdateVersionKey));
    UpdateChecker again(m_network, manifestURL(), "1.0");
    QCOMPARE(again.dismissedVersion(), std::nullopt);
}

QTEST_GUILESS_MAIN(TestUpdate)
#include "tst_update.moc"
