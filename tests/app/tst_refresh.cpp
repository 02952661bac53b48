// SPDX-License-Identifier: MIT
// The refresh cycle end to end: real repositories, fake web services on loopback.
#include "modelfixture.h"

#include "app/attention.h"
#include "app/presentation.h"
#include "support/fakedeployservice.h"
#include "support/fakeservice.h"
#include "support/memorytokenstore.h"

#include <QtTest>

namespace {

// The keychain items the application reads: renaming one would lose every user's token.
const QString netlifyItem = u"app.quaylin.Quaylin.netlify-token"_s;
const QString formerNetlifyItem = u"app.quaylin.menubar.netlify-token"_s;
const QString vercelItem = u"app.quaylin.Quaylin.vercel-token"_s;

const TokenService netlify = StandardServices::netlify().token;
const TokenService github = StandardServices::github();

std::optional<QString> attentionReason(AppModel &model, const QUuid &projectID)
{
    return Presentation::attentionText(model.runtime().value(projectID));
}

// A Netlify answer whose newest deployment is in `state`.
QByteArray netlifyDeploys(const char *state, const char *error = nullptr)
{
    return QByteArray(R"([{"id": "d2", "state": "STATE", "created_at": "2026-12-06T09:00:00Z",
                           "error_message": ERROR},
                          {"id": "d1", "state": "ready", "created_at": "2026-12-05T09:00:00Z"}])")
        .replace("STATE", state)
        .replace("ERROR", error ? '"' + QByteArray(error) + '"' : QByteArray("null"));
}

// Pushes the repository to a bare upstream, then commits `ahead` times more.
bool commitAhead(const QString &path, int ahead)
{
    const QString upstream = path + u".upstream"_s;
    bool ok = runGit(path, {u"init"_s, u"-q"_s, u"--bare"_s, upstream}) &&
              runGit(path, {u"remote"_s, u"add"_s, u"origin"_s, upstream}) &&
              runGit(path, {u"push"_s, u"-q"_s, u"-u"_s, u"origin"_s, u"main"_s});
    for (int i = 0; ok && i < ahead; ++i)
        ok = runGit(path, {u"commit"_s, u"-q"_s, u"--allow-empty"_s, u"-m"_s, u"more"_s});
    return ok;
}

// Leaves `count` untracked files in the working tree.
bool makeChanges(const QString &path, int count)
{
    bool ok = true;
    for (int i = 0; i < count; ++i)
        ok = ok && writeFile(path + u"/change-%1.txt"_s.arg(i), "x");
    return ok;
}

} // namespace

class RefreshTest final : public QObject {
    Q_OBJECT

    // Declared so the model goes first, then the service it may still be asking.
    MemoryTokenStore tokens;
    std::unique_ptr<FakeService> service;
    std::unique_ptr<ModelFixture> f;
    std::chrono::milliseconds followUpInterval = std::chrono::seconds(20);

    // A model started over a data file holding `projects`, with the tokens already read, so
    // no queued refresh runs beside the ones a test starts.
    AppModel &open(const QList<ProjectConfig> &projects, const QHash<QString, QString> &items = {})
    {
        f->model.reset(); // its last save must not land over the new file
        writeDocument(f->dataFile(), projects);
        tokens.items = items;
        AppEnvironment env = f->environment();
        env.services = FakeDeployService::tableAt(service->base());
        env.endpoints.github = service->base();
        env.tokens = &tokens;
        env.deployFollowUpInterval = followUpInterval;
        f->model = std::make_unique<AppModel>(env);
        QCoro::waitFor(f->model->tokens().load());
        return *f->model;
    }

    void refresh() { QCoro::waitFor(f->model->refreshes().refreshAll()); }

    // A project over a fresh repository, deployed on Netlify as `site` when one is given.
    ProjectConfig repository(const QString &name, std::optional<QString> site = {})
    {
        const QString path = f->environmentDir.root() + u"/repos/"_s + name;
        if (!makeRepository(path))
            qFatal("could not make a repository");
        ProjectConfig project = makeProject(name, 0, {}, path);
        project.netlifySiteID = site;
        return project;
    }

    int requestsMentioning(const QString &part) const
    {
        return int(std::ranges::count_if(service->requests(), [&](const RecordedRequest &r) {
            return r.path.contains(part) || r.query.contains(part);
        }));
    }

    int openFixCards(const QUuid &projectID) const
    {
        return int(std::ranges::count_if(f->model->cards(), [&](const TaskCard &c) {
            return c.projectID == projectID && c.isDeployFix && c.column != KanbanColumn::Done &&
                   !c.archived;
        }));
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<ModelFixture>();
        service = std::make_unique<FakeService>();
        followUpInterval = std::chrono::seconds(20);
    }

    // Services are asked in table order, each with its own token. Fakeploy, known to the tests
    // only, takes the same road as the shipped ones.
    void deploymentPhaseChoosesTheServiceAndNeedsItsToken()
    {
        ProjectConfig both = repository(u"both"_s, u"site-1"_s);
        both.vercelProjectID = u"prj-1"_s;
        both.siteURL = u"fp-0"_s;
        ProjectConfig vercelOnly = repository(u"vercel"_s, QString()); // empty counts as absent
        vercelOnly.vercelProjectID = u"prj-2"_s;
        ProjectConfig fake = repository(u"fake"_s);
        fake.siteURL = u"fp-1"_s;
        const ProjectConfig none = repository(u"none"_s);
        const QString fakeployItem = FakeDeployService::row({}).token.keychainItem;
        AppModel &model = open({both, vercelOnly, fake, none},
                               {{vercelItem, u"vercel-secret"_s}, {fakeployItem, u"fp-secret"_s}});
        const QByteArray failed =
            R"({"deployments": [{"uid": "v1", "created": 1500, "readyState": "ERROR", "target": "production"}]})";
        service->serve(u"/v6/deployments"_s, 200, failed);
        service->serve(FakeDeployService::path(u"fp-1"_s), 200, failed);
        service->serve(u"/api/v1/sites/site-1/deploys"_s, 200, netlifyDeploys("ready"));
        refresh();
        // A Vercel token does not stand in for Netlify's, and nothing is asked without one.
        QCOMPARE(model.runtime().value(both.id).deploy, DeployStatus::tokenMissing());
        QCOMPARE(model.runtime().value(vercelOnly.id).deploy, DeployStatus::buildFailed());
        QCOMPARE(model.runtime().value(fake.id).deploy, DeployStatus::buildFailed());
        QCOMPARE(model.runtime().value(none.id).deploy, DeployStatus::notConfigured());
        QCOMPARE(service->requests().size(), 2);
        for (const RecordedRequest &request : service->requests()) {
            const bool vercel = request.path == u"/v6/deployments";
            QCOMPARE(request.query, vercel ? u"projectId=prj-2&limit=8"_s : u"limit=8"_s);
            QCOMPARE(request.headers.value("authorization"),
                     vercel ? "Bearer vercel-secret" : "Bearer fp-secret");
        }
        // Neither names the failure: the fix card and notification have the table's words.
        QCOMPARE(model.cards()[0].note, u"build selhal"_s);
        QCOMPARE(model.cards()[1].note, u"sestavení selhalo"_s);
        QCOMPARE(f->notifications[1].second, u"sestavení selhalo"_s);

        model.tokens().saveToken(netlify, u"  netlify-secret \n"_s);
        QCOMPARE(tokens.items.value(netlifyItem), u"netlify-secret"_s);
        refresh();
        QCOMPARE(model.runtime().value(both.id).deploy.kind, DeployStatus::Kind::Ready);
        // Netlify wins: the others are only ever asked about their own projects.
        QCOMPARE(requestsMentioning(u"prj-1"_s) + requestsMentioning(u"fp-0"_s), 0);
        QVERIFY(model.refreshes().lastRefresh());
    }

    void failedDeploymentOpensOneFixCardUntilItRecovers()
    {
        const ProjectConfig site = repository(u"site"_s, u"site-1"_s);
        AppModel &model = open({site}, {{netlifyItem, u"t"_s}});
        const QString path = u"/api/v1/sites/site-1/deploys"_s;
        service->serve(path, 200, netlifyDeploys("error", "npm ERR! missing script"));
        refresh();
        refresh();
        QCOMPARE(openFixCards(site.id), 1);
        const TaskCard fix = model.cards()[0];
        QCOMPARE(fix.title, u"Oprav build"_s);
        QCOMPARE(fix.note, u"npm ERR! missing script"_s);
        QCOMPARE(fix.column, KanbanColumn::Doing);
        QCOMPARE(f->notifications.size(), 1);
        QCOMPARE(f->notifications[0].first, u"site"_s);
        QCOMPARE(attentionReason(model, site.id), u"Deploy selhal"_s);
        QCOMPARE(Attention::worstStatus(model.runtime()), StatusColor::Red);

        // A failed request keeps the list: the card stays, nothing new is posted.
        service->serve(path, 500, "oops");
        refresh();
        QCOMPARE(model.runtime().value(site.id).deploy, DeployStatus::error(u"HTTP 500"_s));
        QCOMPARE(model.runtime().value(site.id).deploys.size(), 2);
        QCOMPARE(openFixCards(site.id), 1);

        // Finishing the card while the build is still broken opens a new one.
        model.moveCard(fix.id, KanbanColumn::Done, std::nullopt);
        service->serve(path, 200, netlifyDeploys("error"));
        refresh();
        QCOMPARE(openFixCards(site.id), 1);
        QCOMPARE(model.cards().last().note, u"Deploy selhal"_s);
        QCOMPARE(f->notifications.size(), 2);
        QVERIFY(!f->notifications[1].second);

        // Without ids the status is notConfigured, but the stored list and its card stay.
        ProjectConfig bare = site;
        bare.netlifySiteID.reset();
        model.updateProject(bare);
        refresh();
        QCOMPARE(model.runtime().value(site.id).deploy, DeployStatus::notConfigured());
        QCOMPARE(model.runtime().value(site.id).deploys.size(), 2);
        QCOMPARE(openFixCards(site.id), 1);

        // Recovery deletes the open card; the finished one stays.
        model.updateProject(site);
        service->serve(path, 200, netlifyDeploys("building"));
        refresh();
        QCOMPARE(openFixCards(site.id), 0);
        QCOMPARE(model.cards().size(), 1);
        QCOMPARE(Attention::worstStatus(model.runtime()), StatusColor::Yellow);
    }

    void previewsNeverDecideTheSite()
    {
        const ProjectConfig site = repository(u"site"_s, u"site-1"_s);
        AppModel &model = open({site}, {{netlifyItem, u"t"_s}});
        service->serve(u"/api/v1/sites/site-1/deploys"_s, 200, R"([
            {"id": "p2", "state": "error", "created_at": "2026-12-06T09:00:00Z",
             "context": "deploy-preview", "branch": "feature", "error_message": "lint"},
            {"id": "p1", "state": "ready", "created_at": "2026-12-05T09:00:00Z",
             "context": "production", "branch": "main"}])");
        refresh();
        const ProjectRuntime runtime = model.runtime().value(site.id);
        QCOMPARE(runtime.deploy.kind, DeployStatus::Kind::Ready);
        QCOMPARE(runtime.deploys.size(), 2); // the failed preview stays in the history
        QCOMPARE(runtime.deploys[0].context, DeployContext::Preview);
        QCOMPARE(openFixCards(site.id), 0);
        QVERIFY(f->notifications.isEmpty());
        QVERIFY(!attentionReason(model, site.id));
        QCOMPARE(Attention::worstStatus(model.runtime()), StatusColor::Green);
        QCOMPARE(requestsMentioning(u"production=true"_s), 0);
    }

    void deploysOnTheirWayAreFollowedUntilFinal()
    {
        followUpInterval = std::chrono::milliseconds(50); // the 20 s, quicker
        const ProjectConfig site = repository(u"site"_s, u"site-1"_s),
                            calm = repository(u"calm"_s, u"calm"_s);
        AppModel &model = open({site, calm}, {{netlifyItem, u"t"_s}});
        const QString path = u"/api/v1/sites/site-1/deploys"_s;
        service->serve(path, 200, netlifyDeploys("error", "exit 2"));
        service->serve(u"/api/v1/sites/calm/deploys"_s, 200, netlifyDeploys("ready"));
        refresh();
        service->serve(path, 200, netlifyDeploys("building"));
        refresh();
        // Only the project with a deployment on its way is read again, without a full pass.
        QTRY_VERIFY(requestsMentioning(u"/site-1/"_s) >= 4);
        QCOMPARE(requestsMentioning(u"/calm/"_s), 2);
        QVERIFY(f->fixedNotifications.isEmpty());

        // Its outcome shows, the failure episode ends with one notice, and the reading stops.
        service->serve(path, 200, netlifyDeploys("ready"));
        QTRY_COMPARE(model.runtime().value(site.id).deploy.kind, DeployStatus::Kind::Ready);
        QCOMPARE(openFixCards(site.id), 0);
        QCOMPARE(f->fixedNotifications, QStringList{u"site"_s});
        QTest::qWait(150);
        const int settled = requestsMentioning(u"/site-1/"_s);
        QTest::qWait(200);
        QCOMPARE(requestsMentioning(u"/site-1/"_s), settled);

        // A build stuck in the queue is followed for 30 minutes at most.
        service->serve(path, 200, netlifyDeploys("enqueued"));
        refresh();
        QTRY_VERIFY(requestsMentioning(u"/site-1/"_s) >= settled + 3);
        f->clock = f->clock.addSecs(31 * 60);
        QTest::qWait(150);
        const int stuck = requestsMentioning(u"/site-1/"_s);
        QTest::qWait(200);
        QCOMPARE(requestsMentioning(u"/site-1/"_s), stuck);
        QCOMPARE(f->fixedNotifications.size(), 1);
        QCOMPARE(f->notifications.size(), 1);
    }

    void passesOverlapAndRequestsCoalesce()
    {
        const ProjectConfig slow = repository(u"slow"_s, u"slow"_s),
                            quick = repository(u"quick"_s, u"quick"_s);
        AppModel &model = open({slow, quick}, {{netlifyItem, u"t"_s}});
        service->serve(u"/api/v1/sites/slow/deploys"_s, 200, netlifyDeploys("ready"));
        service->serve(u"/api/v1/sites/quick/deploys"_s, 200, netlifyDeploys("ready"));
        refresh();

        service->serve(u"/api/v1/sites/slow/deploys"_s,
                       {.body = netlifyDeploys("error"), .held = true});
        service->serve(u"/api/v1/sites/quick/deploys"_s, 200, netlifyDeploys("building"));
        QSignalSpy refreshing(&model.refreshes(), &RefreshScheduler::isRefreshingChanged);
        // Each change names the project whose record changed (git's relative commit dates
        // may change any project's).
        RuntimeMap seen = model.runtime();
        QList<QUuid> changed, misnamed;
        const QObject listening; // ends with this function, before what the lambda captures
        connect(&model, &AppModel::runtimeChanged, &listening, [&](const QUuid &id) {
            if (model.runtime().value(id) == seen.value(id))
                misnamed.append(id);
            seen.insert(id, model.runtime().value(id));
            changed.append(id);
        });
        auto first = model.refreshes().refreshAll();
        // The quick answer is applied while the slow one is still out.
        QTRY_COMPARE(model.runtime().value(quick.id).deploy.kind, DeployStatus::Kind::Building);
        QCOMPARE(model.runtime().value(slow.id).deploy.kind, DeployStatus::Kind::Ready);
        QVERIFY(changed.contains(quick.id));
        QVERIFY(misnamed.isEmpty());

        // A second pass is not ignored; ending first, it leaves the flag set for the other.
        service->serve(u"/api/v1/sites/slow/deploys"_s, 200, netlifyDeploys("error"));
        QCoro::waitFor(model.refreshes().refreshAll());
        QCOMPARE(requestsMentioning(u"/slow/"_s), 3);
        QVERIFY(model.refreshes().isRefreshing());

        // Requests while a pass runs wait for it and then make one pass together.
        model.refreshes().requestRefresh();
        model.tokens().saveToken(github, u"gh"_s);
        model.updateProject(quick);
        QTest::qWait(100);
        QCOMPARE(requestsMentioning(u"/slow/"_s), 3);
        service->release();
        QCoro::waitFor(first);
        QTRY_COMPARE(refreshing.count(), 2);
        QCOMPARE(requestsMentioning(u"/slow/"_s), 4);
        QVERIFY(!model.refreshes().isRefreshing());

        // Requests in one turn while nothing runs make one pass too.
        model.refreshes().requestRefresh();
        model.refreshes().requestRefresh();
        QTRY_COMPARE(refreshing.count(), 4);
        QTest::qWait(100);
        QCOMPARE(requestsMentioning(u"/slow/"_s), 5);
        QCOMPARE(openFixCards(slow.id), 1);
        QCOMPARE(f->notifications.size(), 1);
    }

    void moreProjectsThanRequestLanesAllGetTheirDeployments()
    {
        QList<ProjectConfig> projects;
        for (int i = 0; i < 30; ++i) {
            ProjectConfig project = makeProject(u"p%1"_s.arg(i), i, {}, u"/nonexistent"_s);
            project.netlifySiteID = u"s%1"_s.arg(i);
            service->serve(u"/api/v1/sites/s%1/deploys"_s.arg(i), 200, netlifyDeploys("ready"));
            projects.append(project);
        }
        AppModel &model = open(projects, {{netlifyItem, u"t"_s}});
        refresh();
        for (const ProjectConfig &project : std::as_const(projects))
            QCOMPARE(model.runtime().value(project.id).deploy.kind, DeployStatus::Kind::Ready);
        QCOMPARE(requestsMentioning(u"/deploys"_s), 30);
    }

    void attentionAndWorstStatusFollowTheLiveStatus()
    {
        const ProjectConfig ahead = repository(u"ahead"_s), dirty = repository(u"dirty"_s),
                            mixed = repository(u"mixed"_s),
                            denied = repository(u"denied"_s, u"denied"_s);
        QVERIFY(commitAhead(ahead.localPath, 2) && makeChanges(dirty.localPath, 4) &&
                commitAhead(mixed.localPath, 2) && makeChanges(mixed.localPath, 3) &&
                makeChanges(denied.localPath, 1));
        AppModel &model = open({ahead, dirty, mixed, denied}, {{netlifyItem, u"t"_s}});
        service->serve(u"/api/v1/sites/denied/deploys"_s, 401,
                       FakeService::fixture(u"github-error-401-bad-credentials.json"_s));
        refresh();
        QCOMPARE(attentionReason(model, ahead.id), u"2 commity nepushnuty"_s);
        QCOMPARE(attentionReason(model, dirty.id), u"4 nezacommitované změny"_s);
        QCOMPARE(attentionReason(model, mixed.id), u"3 změny · 2 nepushnuto"_s);
        // A rejected token on a dirty repository: the deployment's reason alone, and no fix
        // card, since no failed deployment is stored.
        QCOMPARE(attentionReason(model, denied.id), u"Deploy selhal"_s);
        QCOMPARE(Attention::projectsNeedingAttention(model.projects(), model.runtime()).size(), 4);
        QCOMPARE(openFixCards(denied.id), 0);
        QVERIFY(f->notifications.isEmpty());
        QCOMPARE(Attention::worstStatus(model.runtime()), StatusColor::Red);

        // Clean but ahead is yellow; with no projects left, green.
        for (const ProjectConfig &project : {denied, dirty, mixed})
            model.removeProject(project);
        QCOMPARE(Attention::worstStatus(model.runtime()), StatusColor::Yellow);
        model.removeProject(ahead);
        QCOMPARE(Attention::worstStatus(model.runtime()), StatusColor::Green);
        QVERIFY(model.runtime().isEmpty());
    }

    void gitHubNeedsAnAddressAndABranch()
    {
        ProjectConfig repo = repository(u"repo"_s), plain = repository(u"plain"_s);
        repo.githubURL = u"https://github.com/octo/hello.git"_s;
        QDir(plain.localPath + u"/.git"_s).removeRecursively();
        plain.githubURL = u"https://github.com/octo/plain"_s;
        AppModel &model = open({repo, plain});
        service->serve(u"/repos/octo/hello/pulls"_s, 200, R"([{"head": {"ref": "main"}}])");
        service->serve(
            u"/repos/octo/hello/commits/main/check-runs"_s, 200,
            R"({"check_runs": [{"status": "queued"}, {"status": "completed", "conclusion": "failure"}]})");
        refresh();
        QCOMPARE(model.runtime().value(repo.id).github,
                 (GitHubStatus{1, GitHubStatus::ChecksState::Pending}));
        QCOMPARE(model.runtime().value(repo.id).commits.size(), 1);
        QCOMPARE(model.runtime().value(plain.id).git, GitStatus::notAvailable());
        QVERIFY(!model.runtime().value(plain.id).github);
        QCOMPARE(requestsMentioning(u"plain"_s), 0);
        QVERIFY(!service->requests()[0].headers.contains("authorization"));
    }

    void gitHubIsAskedSparingly()
    {
        ProjectConfig one = repository(u"one"_s), two = repository(u"two"_s);
        one.githubURL = u"https://github.com/octo/one"_s;
        two.githubURL = u"https://github.com/octo/two"_s;
        AppModel &model = open({one, two});
        const QByteArray etag = R"(W/"c0ffee")";
        for (const char *repo : {"one", "two"}) {
            service->serve(u"/repos/octo/%1/pulls"_s.arg(repo),
                           {.body = R"([{"head": {"ref": "main"}}])", .headers = {{"ETag", etag}}});
        }
        refresh();
        const GitHubStatus known{1, GitHubStatus::ChecksState::None};
        QCOMPARE(model.runtime().value(one.id).github, known);

        // The next pass asks with the ETag; a 304 keeps the last answer.
        service->serve(u"/repos/octo/one/pulls"_s, {.status = 304, .headers = {{"ETag", etag}}});
        const qsizetype before = service->requests().size();
        refresh();
        const auto sent = service->requests().mid(before);
        QVERIFY(std::ranges::any_of(sent, [&](const RecordedRequest &r) {
            return r.path == u"/repos/octo/one/pulls" && r.headers.value("if-none-match") == etag;
        }));
        QCOMPARE(model.runtime().value(one.id).github, known);

        // A spent limit: nothing is asked until the reset, every project keeps what it showed,
        // and the limit is told once.
        const QDateTime reset = f->clock.addSecs(30 * 60);
        const QByteArray limited = FakeService::fixture(u"github-error-403-rate-limit.json"_s);
        for (const char *repo : {"one", "two"}) {
            service->serve(
                u"/repos/octo/%1/pulls"_s.arg(repo),
                {.status = 403,
                 .body = limited,
                 .headers = {{"X-RateLimit-Remaining", "0"},
                             {"X-RateLimit-Reset", QByteArray::number(reset.toSecsSinceEpoch())}}});
        }
        QSignalSpy notice(&model.refreshes(), &RefreshScheduler::gitHubLimitedUntilChanged);
        refresh();
        QCOMPARE(model.refreshes().gitHubLimitedUntil(), reset);
        QCOMPARE(model.runtime().value(two.id).github, known);
        const qsizetype spent = service->requests().size();
        f->clock = reset.addSecs(-60);
        refresh();
        QCOMPARE(service->requests().size(), spent);
        QCOMPARE(notice.count(), 1);

        f->clock = reset.addSecs(1);
        service->serve(u"/repos/octo/one/pulls"_s, 200, "[]");
        refresh();
        QVERIFY(service->requests().size() > spent);
        QVERIFY(!model.refreshes().gitHubLimitedUntil());
        QCOMPARE(model.runtime().value(one.id).github, GitHubStatus{});
    }

    void aModelGoneWhileRequestsWaitInTheLanesCrashesNothing()
    {
        // More projects than requests started at once, every answer held: when the model goes,
        // most GitHub requests have not started yet and start later with nobody to take them.
        QList<ProjectConfig> projects;
        for (int i = 0; i < 16; ++i) {
            ProjectConfig project = repository(u"r%1"_s.arg(i));
            project.githubURL = u"https://github.com/octo/r%1"_s.arg(i);
            service->serve(u"/repos/octo/r%1/pulls"_s.arg(i), {.body = "[]", .held = true});
            projects.append(project);
        }
        AppModel &model = open(projects);
        QCoro::waitFor(model.refreshes().refreshGit());
        auto pending = model.refreshes().refreshGitHub();
        QTRY_VERIFY(!service->requests().isEmpty());
        f->model.reset();
        for (int round = 0; round < 4; ++round) {
            service->release();
            QTest::qWait(100);
        }
        QTRY_COMPARE(requestsMentioning(u"/pulls"_s), 16);
    }

    void startLoadsTokensThenRefreshes()
    {
        const ProjectConfig site = repository(u"site"_s, u"s"_s);
        AppModel &model = open({site});
        tokens.items.insert(formerNetlifyItem, u"old-token"_s);
        service->serve(u"/api/v1/sites/s/deploys"_s, 200, "[]");
        QSignalSpy refreshed(&model.refreshes(), &RefreshScheduler::lastRefreshChanged);
        model.start();
        QVERIFY(refreshed.wait(20'000));
        QCOMPARE(model.tokens().token(netlify), u"old-token"_s);
        QCOMPARE(tokens.items.value(netlifyItem), u"old-token"_s);
        QCOMPARE(model.runtime().value(site.id).deploy, DeployStatus::noDeploys());

        // A blank token changes nothing; removal and refusal are tested through the screens.
        QSignalSpy changed(&model.tokens(), &TokenRegistry::tokenChanged);
        model.tokens().saveToken(netlify, u" \n\t"_s);
        QCOMPARE(changed.count(), 0);
    }
};

QTEST_GUILESS_MAIN(RefreshTest)
#include "tst_refresh.moc"
