// SPDX-License-Identifier: MIT
// Start-up as the desktop application runs it: a failed deployment becomes a fix card and a
// desktop notification, and the update check runs once.
#include "app/appcontext.h"
#include "modelfixture.h"
#include "support/fakedeployservice.h"
#include "support/fakenotifications.h"
#include "support/fakeservice.h"
#include "support/memorytokenstore.h"

#include <QtTest>

class AppContextTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startWiresTheModelToTheDesktop()
    {
        TestEnvironment environment;
        FakeNotificationBus bus;
        QVERIFY2(bus.start(environment.root()), "no dbus-daemon");
        FakeService service;
        service.serve(
            u"/api/v1/sites/site/deploys"_s,
            {.body = R"([{"id": "d", "state": "error", "created_at": "2026-12-06T09:00:00Z"}])",
             .held = true}); // answered once notifications are allowed, as at a real start
        service.serve(u"/downloads/quaylin/version.json"_s, 200,
                      "{\"version\": \"99.0\", \"url\": \"https://example.com/q.dmg\"}");

        ProjectConfig project = makeProject(u"Site"_s, 0, {}, environment.root());
        project.netlifySiteID = u"site"_s;
        writeDocument(environment.dataDir() + u"/store.json"_s, {project});
        MemoryTokenStore tokens;
        tokens.items.insert(StandardServices::netlify().token.keychainItem, u"t"_s);

        AppContext::Options options;
        options.store = Store(environment.dataDir());
        options.services = FakeDeployService::shippedAt(service.base());
        options.endpoints.updateManifest =
            service.base().resolved(QUrl(u"/downloads/quaylin/version.json"_s));
        options.bus = bus.connect(u"app"_s);
        options.tokens = &tokens;
        AppContext context(options);
        QSignalSpy refreshed(&context.model().refreshes(), &RefreshScheduler::lastRefreshChanged);
        context.start();
        QTRY_VERIFY(context.notifications().isAuthorized());
        QTRY_VERIFY(context.updateChecker().isUpdateAvailable());
        QTRY_COMPARE(service.requests().size(), 2);
        service.release();
        QVERIFY(refreshed.wait(20'000));
        QCOMPARE(context.model().cards().size(), 1);
        QTRY_COMPARE(
            bus.server.posted,
            QStringList{u"Quaylin|0|Deploy selhal — Site|Zkontroluj appku Quaylin pro detaily."_s});
    }
};

QTEST_GUILESS_MAIN(AppContextTest)
#include "tst_appcontext.moc"
