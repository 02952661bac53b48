// SPDX-License-Identifier: MIT
// The refresh cycle end to end: real repositories, fake web services on loopback.
#include "modelfixture.h"
#include "support/fakeservice.h"

#include "sources/tokenstore.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QByteArray netlifyDeploys(const QString &state, const QString &error = {})
{
    QByteArray errorField = error.isEmpty() ? QByteArray("null") : '"' + error.toUtf8() + '"';
    return R"([{"id": "d2", "state": ")" + state.toUtf8() +
           R"(", "created_at": "2026-12-06T09:00:00.250Z",
               "error_message": )" +
           errorField + R"(, "branch": "main"},
              {"id": "d1", "state": "ready", "created_at": "2026-12-05T09:00:00Z"}])";
}

class MemoryTokenStore final : public TokenStore {
public:
    QHash<QString, QString> items;

    QCoro::Task<std::optional<QString>> read(QString service) override
    {
        if (!items.contains(service))
            co_return std::nullopt;
        co_return items.value(service);
    }
    QCoro::Task<> save(QString value, QString service) override
    {
        items.insert(service, value);
        co_return;
    }
    QCoro::Task<> remove(QString service) override
    {
        items.remove(service);
        co_return;
    }
};

} // namespace

class RefreshTest final : public QObject {
    Q_OBJECT

    ModelFixture *f = nullptr;
    FakeService *service = nullptr;
    MemoryTokenStore *tokens = nullptr;

    AppModel &open()
    {
        AppEnvironment env = f->environment();
        env.endpoints.netlify = env.endpoints.vercel = env.endpoints.github = service->base();
        env.tokens = tokens;
        f->model = std::make_unique<AppModel>(env);
        return *f->model;
    }

    ProjectConfig repository(const QString &name)
    {
        const QString path = f->environmentDir.root() + QStringLiteral("/repos/") + name;
        if (!makeRepository(path))
            qFatal("could not make a repository");
        ProjectConfig project;
        project.id = QUuid::createUuid();
        project.name = name;
        project.localPath = path;
        return project;
    }

    int requestsTo(const QString &pathPart) const
    {
        return int(
            std::count_if(service->requests().cbegin(), service->requests().cend(),
                          [&](const RecordedRequest &r) { return r.path.contains(pathPart); }));
    }

    QList<TaskCard> openFixCards(const AppModel &model, const QUuid &projectID) const
    {
        QList<TaskCard> result;
        for (const TaskCard &card : model.cards()) {
            if (card.projectID == projectID && card.isDeployFix &&
                card.column != KanbanColumn::Done && !card.archived)
                result.append(card);
        }
        return result;
    }

    // Runs the refreshes that operations queued (adding projects, saving tokens) and one
    // more full pass, and waits until none is left running.
    void settle(AppModel &model)
    {
        QCoreApplication::processEvents();
        QCoro::waitFor(model.refreshAll());
        QTRY_VERIFY(!model.isRefreshing());
    }

private Q_SLOTS:
    void init()
    {
        f = new ModelFixture;
        service = new FakeService;
        tokens = new MemoryTokenStore;
    }

    void cleanup()
    {
        f->model.reset();
        delete tokens;
        delete service;
        delete f;
    }

    void deploymentPhaseChoosesTheSourceAndNeedsTokens()
    {
        AppModel &model = open();
        ProjectConfig both = repository(QStringLiteral("both"));
        both.netlifySiteID = QStringLiteral("site-1");
        both.vercelProjectID = QStringLiteral("prj-1");
        ProjectConfig vercelOnly = repository(QStringLiteral("vercel"));
        vercelOnly.netlifySiteID = QString(); // empty counts as absent
        vercelOnly.vercelProjectID = QStringLiteral("prj-2");
        ProjectConfig none = repository(QStringLiteral("none"));
        for (const auto &p : {both, vercelOnly, none})
            model.addProject(p);

        // Without tokens nothing is asked; a Vercel token does not stand in for Netlify's.
        model.saveVercelToken(QStringLiteral("  vercel-secret \n"));
        QCOMPARE(*model.vercelToken(), QStringLiteral("vercel-secret"));
        service->serve(
            QStringLiteral("/v6/deployments"), 200,
            R"({"deployments": [{"uid": "v1", "created": 1500, "readyState": "BUILDING"}]})");
        settle(model);
        QCOMPARE(model.runtime(both.id).deploy, DeployStatus::tokenMissing());
        QCOMPARE(model.runtime(vercelOnly.id).deploy, DeployStatus::building());
        QCOMPARE(model.runtime(none.id).deploy, DeployStatus::notConfigured());
        QCOMPARE(requestsTo(QStringLiteral("/api/v1/sites")), 0);
        QVERIFY(requestsTo(QStringLiteral("/v6/deployments")) > 0);
        QCOMPARE(service->requests().first().query, QStringLiteral("projectId=prj-2&limit=8"));
        QCOMPARE(service->requests().first().headers.value("authorization"),
                 QByteArray("Bearer vercel-secret"));
        QCOMPARE(tokens->items.value(TokenServices::vercel()), QStringLiteral("vercel-secret"));

        model.saveToken(QStringLiteral("netlify-secret"));
        service->serve(QStringLiteral("/api/v1/sites/site-1/deploys"), 200,
                       netlifyDeploys(QStringLiteral("ready")));
        const int vercelBefore = requestsTo(QStringLiteral("/v6/deployments"));
        settle(model);
        QCOMPARE(model.runtime(both.id).deploy.kind, DeployStatus::Kind::Ready);
        // Each pass asks Vercel for the Vercel-only project alone.
        const int passes = requestsTo(QStringLiteral("/api/v1/sites/site-1"));
        QCOMPARE(requestsTo(QStringLiteral("/v6/deployments")) - vercelBefore, passes);
        QVERIFY(model.lastRefresh());
        QVERIFY(!model.isRefreshing());
    }

    void failedDeploymentOpensOneFixCardUntilItRecovers()
    {
        AppModel &model = open();
        ProjectConfig site = repository(QStringLiteral("site"));
        site.netlifySiteID = QStringLiteral("site-1");
        model.addProject(site);
        model.saveToken(QStringLiteral("t"));

        service->serve(
            QStringLiteral("/api/v1/sites/site-1/deploys"), 200,
            netlifyDeploys(QStringLiteral("error"), QStringLiteral("npm ERR! missing script")));
        settle(model);
        QCoro::waitFor(model.refreshAll());
        QList<TaskCard> fixes = openFixCards(model, site.id);
        QCOMPARE(fixes.size(), 1);
        QCOMPARE(fixes.first().title, QStringLiteral("Oprav build"));
        QCOMPARE(fixes.first().note, QStringLiteral("npm ERR! missing script"));
        QCOMPARE(fixes.first().column, KanbanColumn::Doing);
        QCOMPARE(f->notifications.size(), 1);
        QCOMPARE(f->notifications.first().first, QStringLiteral("site"));
        QCOMPARE(model.attentionReason(site.id), QStringLiteral("Deploy selhal"));
        QCOMPARE(model.worstStatus(), StatusColor::Red);

        // A failed request keeps the list, so the card stays and nothing new is posted.
        service->serve(QStringLiteral("/api/v1/sites/site-1/deploys"), 500, "oops");
        QCoro::waitFor(model.refreshAll());
        QCOMPARE(model.runtime(site.id).deploy, DeployStatus::error(QStringLiteral("HTTP 500")));
        QCOMPARE(model.runtime(site.id).deploys.size(), 2);
        QCOMPARE(openFixCards(model, site.id).size(), 1);
        QCOMPARE(f->notifications.size(), 1);

        // Finishing the card while the build is still broken opens a new one.
        model.moveCard(fixes.first().id, KanbanColumn::Done, std::nullopt);
        service->serve(QStringLiteral("/api/v1/sites/site-1/deploys"), 200,
                       netlifyDeploys(QStringLiteral("error")));
        QCoro::waitFor(model.refreshAll());
        fixes = openFixCards(model, site.id);
        QCOMPARE(fixes.size(), 1);
        QCOMPARE(fixes.first().note, QStringLiteral("Deploy selhal"));
        QCOMPARE(f->notifications.size(), 2);
        QVERIFY(!f->notifications.last().second);

        // Recovery removes the open card; the finished one stays.
        service->serve(QStringLiteral("/api/v1/sites/site-1/deploys"), 200,
                       netlifyDeploys(QStringLiteral("building")));
        QCoro::waitFor(model.refreshAll());
        QVERIFY(openFixCards(model, site.id).isEmpty());
        QCOMPARE(model.cards().size(), 1);
        QCOMPARE(model.worstStatus(), StatusColor::Yellow);
    }

    void resultsApplyInCompletionOrderAndPassesOverlap()
    {
        AppModel &model = open();
        ProjectConfig slow = repository(QStringLiteral("slow"));
        slow.netlifySiteID = QStringLiteral("slow");
        ProjectConfig quick = repository(QStringLiteral("quick"));
        quick.netlifySiteID = QStringLiteral("quick");
        model.addProject(slow);
        model.addProject(quick);
        model.saveToken(QStringLiteral("t"));
        service->serve(QStringLiteral("/api/v1/sites/slow/deploys"), 200,
                       netlifyDeploys(QStringLiteral("ready")));
        service->serve(QStringLiteral("/api/v1/sites/quick/deploys"), 200,
                       netlifyDeploys(QStringLiteral("ready")));
        settle(model);
        QCOMPARE(model.runtime(slow.id).deploy.kind, DeployStatus::Kind::Ready);

        FakeService::Reply held;
        held.body = netlifyDeploys(QStringLiteral("error"));
        held.held = true;
        service->serve(QStringLiteral("/api/v1/sites/slow/deploys"), held);
        service->serve(QStringLiteral("/api/v1/sites/quick/deploys"), 200,
                       netlifyDeploys(QStringLiteral("building")));
        const int slowBefore = requestsTo(QStringLiteral("/slow/"));

        QSignalSpy refreshing(&model, &AppModel::isRefreshingChanged);
        auto first = model.refreshAll();
        auto second = model.refreshAll();
        QVERIFY(model.isRefreshing());
        // The quick project's answer is applied while the slow one is still out.
        QTRY_COMPARE(model.runtime(quick.id).deploy.kind, DeployStatus::Kind::Building);
        QCOMPARE(model.runtime(slow.id).deploy.kind, DeployStatus::Kind::Ready);
        QVERIFY(openFixCards(model, slow.id).isEmpty());
        QTRY_COMPARE(requestsTo(QStringLiteral("/slow/")) - slowBefore, 2);
        service->release();
        QCoro::waitFor(first);
        QCoro::waitFor(second);
        QVERIFY(!model.isRefreshing());
        QCOMPARE(refreshing.count(), 2);
        QCOMPARE(openFixCards(model, slow.id).size(), 1);
        QCOMPARE(f->notifications.size(), 1);
    }

    void gitHubNeedsAnAddressAndABranch()
    {
        AppModel &model = open();
        ProjectConfig repo = repository(QStringLiteral("repo"));
        repo.githubURL = QStringLiteral("https://github.com/octo/hello.git");
        ProjectConfig notGit = repository(QStringLiteral("plain"));
        QDir(notGit.localPath + QStringLiteral("/.git")).removeRecursively();
        notGit.githubURL = QStringLiteral("https://github.com/octo/plain");
        model.addProject(repo);
        model.addProject(notGit);
        service->serve(QStringLiteral("/repos/octo/hello/pulls"), 200,
                       R"([{"head": {"ref": "main"}}, {"head": {"ref": "main"}}])");
        service->serve(QStringLiteral("/repos/octo/hello/commits/main/check-runs"), 200,
                       R"({"check_runs": [{"status": "completed", "conclusion": "success"}]})");
        settle(model);
        QCOMPARE(model.runtime(repo.id).github,
                 (GitHubStatus{2, GitHubStatus::ChecksState::Success}));
        QVERIFY(!model.runtime(notGit.id).github);
        QCOMPARE(requestsTo(QStringLiteral("plain")), 0);
        QVERIFY(!service->requests().first().headers.contains("authorization"));
        QCOMPARE(model.runtime(notGit.id).git, GitStatus::notAvailable());
        QCOMPARE(model.runtime(repo.id).commits.size(), 1);
    }

    void startLoadsTokensThenRefreshes()
    {
        tokens->items.insert(TokenServices::formerNetlify(), QStringLiteral("old-token"));
        tokens->items.insert(TokenServices::github(), QStringLiteral("gh"));
        AppModel &model = open();
        ProjectConfig site = repository(QStringLiteral("site"));
        site.netlifySiteID = QStringLiteral("s");
        model.addProject(site);
        service->serve(QStringLiteral("/api/v1/sites/s/deploys"), 200, "[]");
        QSignalSpy refreshed(&model, &AppModel::lastRefreshChanged);
        model.start();
        QVERIFY(refreshed.wait(20'000));
        QCOMPARE(model.token(), QStringLiteral("old-token"));
        QCOMPARE(tokens->items.value(TokenServices::netlify()), QStringLiteral("old-token"));
        QCOMPARE(model.githubToken(), QStringLiteral("gh"));
        QVERIFY(!model.vercelToken());
        QCOMPARE(model.runtime(site.id).deploy,
                 DeployStatus::error(QStringLiteral("žádný deploy")));

        // Blank saves change nothing; removal deletes both Netlify items and asks nothing.
        QSignalSpy changed(&model, &AppModel::tokenChanged);
        model.saveToken(QStringLiteral(" \n\t"));
        QCOMPARE(changed.count(), 0);
        model.removeToken();
        QVERIFY(!model.token());
        QVERIFY(!tokens->items.contains(TokenServices::netlify()));
        QVERIFY(!tokens->items.contains(TokenServices::formerNetlify()));
    }
};

QTEST_GUILESS_MAIN(RefreshTest)
#include "tst_refresh.moc"
