// SPDX-License-Identifier: MIT
// The refresh cycle end to end: real repositories, fake web services on loopback.
#include "model/recordjson.h"
#include "modelfixture.h"
#include "support/fakeservice.h"
#include "support/memorytokenstore.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A Netlify answer whose newest deployment is in `state`.
QByteArray netlifyDeploys(const char *state, const char *error = nullptr)
{
    return QByteArray(R"([{"id": "d2", "state": "STATE", "created_at": "2026-12-06T09:00:00Z",
                           "error_message": ERROR},
                          {"id": "d1", "state": "ready", "created_at": "2026-12-05T09:00:00Z"}])")
        .replace("STATE", state)
        .replace("ERROR", error ? '"' + QByteArray(error) + '"' : QByteArray("null"));
}

} // namespace

class RefreshTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<ModelFixture> f;
    std::unique_ptr<FakeService> service;
    MemoryTokenStore tokens;

    // A model started over a data file holding `projects`, with the tokens already read, so
    // no queued refresh runs beside the ones a test starts.
    AppModel &open(const QList<ProjectConfig> &projects, const QHash<QString, QString> &items = {})
    {
        StoreData document = StoreData::defaultDocument();
        document.projects = projects;
        document.didSeed = true;
        if (!writeFile(f->dataFile(), RecordJson::encodeDocument(document)))
            qFatal("could not write the data file");
        tokens.items = items;
        AppEnvironment env = f->environment();
        env.endpoints.netlify = env.endpoints.vercel = env.endpoints.github = service->base();
        env.tokens = &tokens;
        f->model = std::make_unique<AppModel>(env);
        QCoro::waitFor(f->model->loadTokens());
        return *f->model;
    }

    void refresh() { QCoro::waitFor(f->model->refreshAll()); }

    ProjectConfig repository(const QString &name)
    {
        const QString path = f->environmentDir.root() + QStringLiteral("/repos/") + name;
        if (!makeRepository(path))
            qFatal("could not make a repository");
        return makeProject(name, path);
    }

    int requestsTo(const QString &pathPart) const
    {
        return int(
            std::count_if(service->requests().cbegin(), service->requests().cend(),
                          [&](const RecordedRequest &r) { return r.path.contains(pathPart); }));
    }

    int openFixCards(const QUuid &projectID) const
    {
        const QList<TaskCard> cards = f->model->cards();
        return int(std::count_if(cards.cbegin(), cards.cend(), [&](const TaskCard &c) {
            return c.projectID == projectID && c.isDeployFix && c.column != KanbanColumn::Done &&
                   !c.archived;
        }));
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<ModelFixture>();
        service = std::make_unique<FakeService>();
    }

    void cleanup()
    {
        f.reset();
        service.reset();
    }

    void deploymentPhaseChoosesTheSourceAndNeedsTokens()
    {
        ProjectConfig both = repository(QStringLiteral("both"));
        both.netlifySiteID = QStringLiteral("site-1");
        both.vercelProjectID = QStringLiteral("prj-1");
        ProjectConfig vercelOnly = repository(QStringLiteral("vercel"));
        vercelOnly.netlifySiteID = QString(); // empty counts as absent
        vercelOnly.vercelProjectID = QStringLiteral("prj-2");
        const ProjectConfig none = repository(QStringLiteral("none"));
        AppModel &model = open({both, vercelOnly, none},
                               {{TokenServices::vercel(), QStringLiteral("vercel-secret")}});
        service->serve(
            QStringLiteral("/v6/deployments"), 200,
            R"({"deployments": [{"uid": "v1", "created": 1500, "readyState": "BUILDING"}]})");
        service->serve(QStringLiteral("/api/v1/sites/site-1/deploys"), 200,
                       netlifyDeploys("ready"));
        refresh();
        // A Vercel token does not stand in for Netlify's, and nothing is asked without one.
        QCOMPARE(model.runtime(both.id).deploy, DeployStatus::tokenMissing());
        QCOMPARE(model.runtime(vercelOnly.id).deploy, DeployStatus::building());
        QCOMPARE(model.runtime(none.id).deploy, DeployStatus::notConfigured());
        QCOMPARE(service->requests().size(), 1);
        QCOMPARE(service->requests()[0].query, QStringLiteral("projectId=prj-2&limit=8"));
        QCOMPARE(service->requests()[0].headers.value("authorization"), "Bearer vercel-secret");

        model.saveToken(QStringLiteral("  netlify-secret \n"));
        QCOMPARE(tokens.items.value(TokenServices::netlify()), QStringLiteral("netlify-secret"));
        refresh();
        QCOMPARE(model.runtime(both.id).deploy.kind, DeployStatus::Kind::Ready);
        // Netlify wins: Vercel is only ever asked about the Vercel-only project.
        for (const RecordedRequest &request : service->requests())
            QVERIFY(!request.query.contains(QStringLiteral("prj-1")));
        QVERIFY(model.lastRefresh());
    }

    void failedDeploymentOpensOneFixCardUntilItRecovers()
    {
        ProjectConfig site = repository(QStringLiteral("site"));
        site.netlifySiteID = QStringLiteral("site-1");
        AppModel &model = open({site}, {{TokenServices::netlify(), QStringLiteral("t")}});
        const QString path = QStringLiteral("/api/v1/sites/site-1/deploys");
        service->serve(path, 200, netlifyDeploys("error", "npm ERR! missing script"));
        refresh();
        refresh();
        QCOMPARE(openFixCards(site.id), 1);
        const TaskCard fix = model.cards()[0];
        QCOMPARE(fix.title, QStringLiteral("Oprav build"));
        QCOMPARE(fix.note, QStringLiteral("npm ERR! missing script"));
        QCOMPARE(fix.column, KanbanColumn::Doing);
        QCOMPARE(f->notifications.size(), 1);
        QCOMPARE(f->notifications[0].first, QStringLiteral("site"));
        QCOMPARE(model.attentionReason(site.id), QStringLiteral("Deploy selhal"));
        QCOMPARE(model.worstStatus(), StatusColor::Red);

        // A failed request keeps the list: the card stays, nothing new is posted.
        service->serve(path, 500, "oops");
        refresh();
        QCOMPARE(model.runtime(site.id).deploy, DeployStatus::error(QStringLiteral("HTTP 500")));
        QCOMPARE(model.runtime(site.id).deploys.size(), 2);
        QCOMPARE(openFixCards(site.id), 1);

        // Finishing the card while the build is still broken opens a new one.
        model.moveCard(fix.id, KanbanColumn::Done, std::nullopt);
        service->serve(path, 200, netlifyDeploys("error"));
        refresh();
        QCOMPARE(openFixCards(site.id), 1);
        QCOMPARE(model.cards().last().note, QStringLiteral("Deploy selhal"));
        QCOMPARE(f->notifications.size(), 2);
        QVERIFY(!f->notifications[1].second);

        // Recovery deletes the open card; the finished one stays.
        service->serve(path, 200, netlifyDeploys("building"));
        refresh();
        QCOMPARE(openFixCards(site.id), 0);
        QCOMPARE(model.cards().size(), 1);
        QCOMPARE(model.worstStatus(), StatusColor::Yellow);
    }

    void resultsApplyInCompletionOrderAndPassesOverlap()
    {
        ProjectConfig slow = repository(QStringLiteral("slow")),
                      quick = repository(QStringLiteral("quick"));
        slow.netlifySiteID = QStringLiteral("slow");
        quick.netlifySiteID = QStringLiteral("quick");
        AppModel &model = open({slow, quick}, {{TokenServices::netlify(), QStringLiteral("t")}});
        service->serve(QStringLiteral("/api/v1/sites/slow/deploys"), 200, netlifyDeploys("ready"));
        service->serve(QStringLiteral("/api/v1/sites/quick/deploys"), 200, netlifyDeploys("ready"));
        refresh();

        FakeService::Reply held;
        held.body = netlifyDeploys("error");
        held.held = true;
        service->serve(QStringLiteral("/api/v1/sites/slow/deploys"), held);
        service->serve(QStringLiteral("/api/v1/sites/quick/deploys"), 200,
                       netlifyDeploys("building"));
        QSignalSpy refreshing(&model, &AppModel::isRefreshingChanged);
        auto first = model.refreshAll();
        auto second = model.refreshAll(); // a second pass, not ignored
        // The quick answer is applied while the slow one is still out.
        QTRY_COMPARE(model.runtime(quick.id).deploy.kind, DeployStatus::Kind::Building);
        QCOMPARE(model.runtime(slow.id).deploy.kind, DeployStatus::Kind::Ready);
        QTRY_COMPARE(requestsTo(QStringLiteral("/slow/")), 3);
        QVERIFY(model.isRefreshing());
        service->release();
        QCoro::waitFor(first);
        QCoro::waitFor(second);
        QCOMPARE(refreshing.count(), 2);
        QCOMPARE(openFixCards(slow.id), 1);
        QCOMPARE(f->notifications.size(), 1);
    }

    void gitHubNeedsAnAddressAndABranch()
    {
        ProjectConfig repo = repository(QStringLiteral("repo")),
                      plain = repository(QStringLiteral("plain"));
        repo.githubURL = QStringLiteral("https://github.com/octo/hello.git");
        QDir(plain.localPath + QStringLiteral("/.git")).removeRecursively();
        plain.githubURL = QStringLiteral("https://github.com/octo/plain");
        AppModel &model = open({repo, plain});
        service->serve(QStringLiteral("/repos/octo/hello/pulls"), 200,
                       R"([{"head": {"ref": "main"}}])");
        service->serve(
            QStringLiteral("/repos/octo/hello/commits/main/check-runs"), 200,
            R"({"check_runs": [{"status": "queued"}, {"status": "completed", "conclusion": "failure"}]})");
        refresh();
        QCOMPARE(model.runtime(repo.id).github,
                 (GitHubStatus{1, GitHubStatus::ChecksState::Pending}));
        QCOMPARE(model.runtime(repo.id).commits.size(), 1);
        QCOMPARE(model.runtime(plain.id).git, GitStatus::notAvailable());
        QVERIFY(!model.runtime(plain.id).github);
        QCOMPARE(requestsTo(QStringLiteral("plain")), 0);
        QVERIFY(!service->requests()[0].headers.contains("authorization"));
    }

    void startLoadsTokensThenRefreshes()
    {
        ProjectConfig site = repository(QStringLiteral("site"));
        site.netlifySiteID = QStringLiteral("s");
        AppModel &model = open({site});
        tokens.items.insert(TokenServices::formerNetlify(), QStringLiteral("old-token"));
        service->serve(QStringLiteral("/api/v1/sites/s/deploys"), 200, "[]");
        QSignalSpy refreshed(&model, &AppModel::lastRefreshChanged);
        model.start();
        QVERIFY(refreshed.wait(20'000));
        QCOMPARE(model.token(), QStringLiteral("old-token"));
        QCOMPARE(tokens.items.value(TokenServices::netlify()), QStringLiteral("old-token"));
        QCOMPARE(model.runtime(site.id).deploy,
                 DeployStatus::error(QStringLiteral("žádný deploy")));

        QSignalSpy changed(&model, &AppModel::tokenChanged);
        model.saveToken(QStringLiteral(" \n\t"));
        QCOMPARE(changed.count(), 0);
        model.removeToken();
        QVERIFY(!model.token());
        QVERIFY(tokens.items.isEmpty()); // both Netlify items, so it cannot come back
    }
};

QTEST_GUILESS_MAIN(RefreshTest)
#include "tst_refresh.moc"
