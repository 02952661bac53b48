// SPDX-License-Identifier: MIT
#include "support/fakeservice.h"

#include "services/preferences.h"
#include "services/updatechecker.h"
#include "sources/httpconnections.h"
#include "support/testenvironment.h"

#include <list>

#include <QCoroTask>
#include <QtTest>

class TestUpdate final : public QObject {
    Q_OBJECT

    TestEnvironment m_environment;
    HttpConnections m_network;
    FakeService m_service;
    std::list<Preferences> m_preferences; // one per checker, read afresh as after a restart

    // A checker of version 1.0 that has read `body` as the manifest.
    std::unique_ptr<UpdateChecker> checked(const QByteArray &body)
    {
        m_service.serve("/version.json", 200, body);
        auto checker = std::make_unique<UpdateChecker>(
            m_network, m_service.base().resolved(QUrl("/version.json")), "1.0",
            m_preferences.emplace_back());
        QCoro::waitFor(checker->checkForUpdate());
        return checker;
    }

private Q_SLOTS:
    void init() { m_environment.resetPreferences(); } // Czech texts and nothing dismissed

    void comparesVersions()
    {
        // Pieces that are not (small enough) numbers are left out; missing ones are zero.
        for (const QString comparison :
             {"2.0 > 1.9.9", "1.9.9 < 2.0", "1.10 > 1.9", "1.2.1 > 1.2", "1.2.0 = 1.2",
              "1.2 = 1.2.0", "1.2.3-beta = 1.2", "v1.2 > 1.10", "99999999999999999999.1 = 1"}) {
            const QStringList parts = comparison.split(' ');
            QVERIFY2(UpdateChecker::isNewer(parts[0], parts[2]) == (parts[1] == ">"),
                     qPrintable(comparison));
        }
    }

    void appliesTheManifestAndKeepsItWhenAFetchFails()
    {
        const auto checker = checked(FakeService::fixture("update-manifest.json"));
        const QList<std::pair<int, QByteArray>> failures = {{404, R"({"version":"3.0","url":"x"})"},
                                                            {200, "<html>"},
                                                            {200, R"({"version":"3.0"})"}};
        for (const auto &[status, body] : failures) {
            m_service.serve("/version.json", status, body);
            QCoro::waitFor(checker->checkForUpdate());
            QCOMPARE(checker->latestVersion(), "2.0");
            QCOMPARE(checker->downloadURL(),
                     QUrl("https://quaylin.app/downloads/quaylin/Quaylin-2.0.dmg"));
            QCOMPARE(checker->notes(), "Rychlejší obnovení stavu.");
        }
    }

    void bannerAndDownloadButtonFollowTheManifest()
    {
        const QString hint =
            "Stáhni novou verzi a nainstaluj balíček, nebo ji najdi na stránce vydání.";
        // The address goes to the desktop's opener: only a web address may reach it.
        const QList<std::tuple<QByteArray, QByteArray, QString>> cases = {
            {"not a url", "null", hint},
            {"file:///usr/bin/xterm", "\" \\n\\t \"", hint},
            {"javascript:alert(1)", "\" Opravy.\\n\"", " Opravy.\n " + hint}};
        for (const auto &[url, notes, banner] : cases) {
            const auto checker =
                checked("{\"version\":\"9.0\",\"url\":\"" + url + "\",\"notes\":" + notes + '}');
            QVERIFY(checker->isUpdateAvailable());
            QCOMPARE(checker->downloadURL(), std::nullopt);
            QCOMPARE(checker->bannerText(), banner);
        }
    }

    void dismissedVersionPersists()
    {
        checked(FakeService::fixture("update-manifest.json"))->setDismissedVersion("2.0");
        const auto restarted = checked(FakeService::fixture("update-manifest.json"));
        QCOMPARE(restarted->dismissedVersion(), "2.0");
        QVERIFY(!restarted->isUpdateAvailable());
        // A newer release brings the banner back.
        m_service.serve("/version.json", 200, R"({"version":"2.1","url":"x"})");
        QCoro::waitFor(restarted->checkForUpdate());
        QVERIFY(restarted->isUpdateAvailable());
    }
};

QTEST_GUILESS_MAIN(TestUpdate)
#include "tst_update.moc"
