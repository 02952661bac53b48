// SPDX-License-Identifier: MIT
#include "support/fakeservice.h"

#include "sources/deploystatus.h"
#include "sources/githubclient.h"
#include "sources/httpconnections.h"
#include "sources/httpfetcher.h"
#include "sources/netlifyclient.h"
#include "sources/vercelclient.h"
#include "support/testenvironment.h"

#include <QCoroTask>
#include <QRegularExpression>
#include <QtTest>

using namespace std::chrono_literals;
using Checks = GitHubStatus::ChecksState;

namespace {

const QString sitePath = QStringLiteral("/api/v1/sites/site-1/deploys");
const QString pullsPath = QStringLiteral("/repos/acme/site/pulls");
const QString checksPath = QStringLiteral("/repos/acme/site/commits/main/check-runs");
const QString combinedPath = QStringLiteral("/repos/acme/site/commits/main/status");

QString message(const DeployResult &result)
{
    return std::holds_alternative<FetchError>(result) ? std::get<FetchError>(result).message : "";
}

// The error of a GET, or nothing when the server's answer came through.
std::optional<QString> failure(const HttpFetcher &fetcher, const QUrl &url)
{
    const auto result = QCoro::waitFor(fetcher.get(url, {}));
    if (const auto *error = std::get_if<FetchError>(&result))
        return error->message;
    return std::nullopt;
}

// The highest resident memory of this process since the last reset (where the system allows
// one), in bytes.
qint64 peakMemory(bool reset = false)
{
    if (reset) {
        QFile clear("/proc/self/clear_refs");
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
    }
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

} // namespace

class TestWeb final : public QObject {
    Q_OBJECT

    TestEnvironment m_environment;
    HttpConnections m_network;
    HttpFetcher m_fetcher{m_network, {.idle = 10s}};

    // Deployments of Netlify site `id` or Vercel project `id` as `service` answers them.
    DeployResult fetch(const QString &client, const QUrl &service, const QString &id = "site-1",
                       const QString &token = "t", const HttpFetcher *fetcher = nullptr)
    {
        const HttpFetcher &via = fetcher ? *fetcher : m_fetcher;
        return QCoro::waitFor(client == "netlify"
                                  ? NetlifyClient(via, service).fetchDeploys(id, token, 8)
                                  : VercelClient(via, service).fetchDeploys(id, token, 8));
    }

private Q_SLOTS:
    void clientsReadDeployments()
    {
        FakeService service;
        service.serve(sitePath, 200, FakeService::fixture("netlify-deploys-2016.json"));
        service.serve("/v6/deployments", 200, FakeService::fixture("vercel-deployments.json"));
        const auto utc = [](const char *iso) { return QDateTime::fromString(iso, Qt::ISODate); };
        const DeployInfo old{
            "52465f435803544542000001", "old", utc("2013-09-17T05:13:08Z"), {}, {}};
        const DeployInfo ready{
            "dpl_2euZBFqxYdDMDG1jTrHFnNZ2eUVa", "ready", utc("2021-01-01T09:10:10Z"), {}, {}};
        QCOMPARE(fetch("netlify", service.base(), "site-1", "nf-token"), DeployResult(QList{old}));
        QCOMPARE(fetch("vercel", service.base(), "prj_1", "vc-token"), DeployResult(QList{ready}));
        QCOMPARE(service.requests().at(0).headers.value("authorization"), "Bearer nf-token");
        QCOMPARE(service.requests().at(1).headers.value("authorization"), "Bearer vc-token");

        // A date that does not read becomes the time of the request rather than cost the list.
        const auto recent = NetlifyClient::decode(
            FakeService::fixture("netlify-deploys-recent.json"), old.createdAt);
        QCOMPARE(std::get<QList<DeployInfo>>(recent).at(2).createdAt, old.createdAt);
        QCOMPARE(DeployStatus::from({}), DeployStatus::noDeploys());
    }

    void githubReadsStatus()
    {
        FakeService service;
        service.serve(pullsPath, 200, FakeService::fixture("github-pulls-one.json"));
        service.serve(checksPath, 200, FakeService::fixture("github-check-runs-mixed.json"));
        const GitHubClient client(m_fetcher, service.base());
        const auto ask = [&client](const std::optional<QString> &token) {
            return std::get<std::optional<GitHubStatus>>(
                QCoro::waitFor(client.fetchStatus("https://github.com/acme/site", "main", token)));
        };
        // Public repositories need no token: without one (or with an empty one) none is sent.
        for (const auto &token : {std::optional<QString>("gh-token"), std::optional(QString()),
                                  std::optional<QString>()})
            QCOMPARE(ask(token), (GitHubStatus{1, Checks::Pending}));
        for (qsizetype i = 0; i < service.requests().size(); ++i)
            QCOMPARE(service.requests().at(i).headers.value("authorization", "none"),
                     i < 3 ? "Bearer gh-token" : "none");

        service.serve(pullsPath, 401, "{}"); // failures read as nothing
        service.serve(checksPath, 200, "not json");
        QCOMPARE(ask("t"), GitHubStatus{});
        QCOMPARE(GitHubClient::openPRCount(R"([{"head":{"ref":"a"}},{"head":{}}])"), std::nullopt);
        QCOMPARE(GitHubClient::checksState(
                     R"({"check_runs":[{"status":"completed","conclusion":null}]})"),
                 std::optional(Checks::Success));
    }

    void ciJoinsCheckRunsAndTheCombinedStatus_data()
    {
        QTest::addColumn<QByteArray>("runs");
        QTest::addColumn<QByteArray>("combined");
        QTest::addColumn<Checks>("expected");
        const QByteArray passed =
            R"({"check_runs":[{"status":"completed","conclusion":"success"}]})";
        const QByteArray failedRun =
            R"({"check_runs":[{"status":"completed","conclusion":"failure"}]})";
        const QByteArray noRuns = R"({"check_runs":[]})";
        const QByteArray legacyFailed = FakeService::fixture("github-status-failure.json");
        const QByteArray noneReported = FakeService::fixture("github-status-none.json");
        const QByteArray legacyPending = R"({"state":"pending","total_count":1})";
        const QByteArray legacyPassed = R"({"state":"success","total_count":1})";
        QTest::newRow("legacy fails") << passed << legacyFailed << Checks::Failure;
        QTest::newRow("legacy error")
            << noRuns << QByteArray(R"({"state":"error","total_count":1})") << Checks::Failure;
        QTest::newRow("run fails, legacy runs") << failedRun << legacyPending << Checks::Failure;
        QTest::newRow("legacy runs") << passed << legacyPending << Checks::Pending;
        QTest::newRow("run runs") << FakeService::fixture("github-check-runs-mixed.json")
                                  << legacyPassed << Checks::Pending;
        // Pending with total_count 0 is no legacy CI at all, not CI running.
        QTest::newRow("none reported") << passed << noneReported << Checks::Success;
        QTest::newRow("nothing anywhere") << noRuns << noneReported << Checks::None;
        QTest::newRow("legacy only") << noRuns << legacyPassed << Checks::Success;
        QTest::newRow("both agree") << passed << legacyPassed << Checks::Success;
        QTest::newRow("legacy unreadable") << passed << QByteArray("{}") << Checks::Success;
    }

    void ciJoinsCheckRunsAndTheCombinedStatus()
    {
        QFETCH(QByteArray, runs);
        QFETCH(QByteArray, combined);
        FakeService service;
        service.serve(pullsPath, 200, "[]");
        service.serve(checksPath, 200, runs);
        service.serve(combinedPath, 200, combined);
        const auto status =
            QCoro::waitFor(GitHubClient(m_fetcher, service.base())
                               .fetchStatus("https://github.com/acme/site", "main", {}));
        QTEST(std::get<std::optional<GitHubStatus>>(status).value_or(GitHubStatus{}).checks,
              "expected");
    }

    void deployStatesFollowTheNewest()
    {
        // Each state is the word of the newest (first) deployment, or all its fields; both
        // services date it 1500 ms after 1970.
        const auto check = [](const QString &client, const QStringList &states,
                              const DeployStatus &expected) {
            const bool netlify = client == "netlify";
            const QString field = netlify ? R"("state":"%1")" : R"("readyState":"%1")";
            for (const QString &state : states) {
                const QByteArray newest =
                    (netlify ? R"({"id":"d","created_at":"1970-01-01T00:00:01.5Z",)"
                             : R"({"uid":"u","created":1500,"target":"production",)") +
                    (state.startsWith('"') ? state : field.arg(state)).toUtf8() + '}';
                const DeployResult decoded =
                    netlify
                        ? NetlifyClient::decode(
                              '[' + newest + R"(,{"id":"e","state":"ready","created_at":"x"}])", {})
                        : VercelClient::decode(R"({"deployments":[)" + newest + "]}");
                const auto *deploys = std::get_if<QList<DeployInfo>>(&decoded);
                QVERIFY2(deploys && DeployStatus::from(*deploys) == expected,
                         qPrintable(client + ": " + newest));
            }
        };
        const DeployStatus ready = DeployStatus::ready(QDateTime::fromMSecsSinceEpoch(1500));
        const DeployStatus failed = DeployStatus::buildFailed();
        check("netlify", {"ready", "current"}, ready);
        check("netlify",
              {"building", "enqueued", "processing", "uploading", "uploaded", "preparing", "new",
               "prepared", "processed", "retrying"},
              DeployStatus::building());
        check("netlify", {"error"}, failed);
        check("netlify", {R"("state":"error","error_message":"exit 2")"},
              DeployStatus::error("exit 2"));
        check("netlify", {"old"}, DeployStatus::error("old"));
        check("vercel", {"READY", "ready"}, ready);
        check("vercel", {"BUILDING", "QUEUED", "INITIALIZING", "DEPLOYING", "deploying"},
              DeployStatus::building());
        // Without readyState the older "state" field speaks.
        check("vercel", {"ERROR", "CANCELED", "canceled", R"("readyState":null,"state":"ERROR")"},
              failed);
        check("vercel", {R"("readyState":"BUILDING","state":"ERROR")"}, DeployStatus::building());
        check("vercel", {"DELETED"}, DeployStatus::error("deleted"));
    }

    void clientFailures()
    {
        FakeService service;
        const auto check = [&](const QString &client, int status, const QByteArray &body,
                               const QString &expected) {
            service.serve(sitePath, status, body);
            service.serve("/v6/deployments", status, body);
            const QString error = message(fetch(client, service.base()));
            // An expected text ending in a space is only how the message starts.
            QVERIFY2(expected.endsWith(' ') ? error.startsWith(expected) : error == expected,
                     qPrintable(client + ": " + error));
        };
        for (const QString client : {"netlify", "vercel"}) {
            check(client, 401, "{}", "HTTP 401");
            check(client, 404, {}, "HTTP 404");
            check(client, 500, "[]", "HTTP 500");
            check(client, 200, "<html>", "not a JSON document: ");
        }
        check("netlify", 200, R"([{"state":"ready","created_at":"x"}])", "[0].id: missing");
        check("vercel", 200, R"({"deployments":[{"created":1}]})", "deployments[0].uid: missing");
        check("vercel", 200, R"({"deployments":[{"uid":"a","created":1e300}]})",
              "deployments[0].created: expected a date within range");
        // Places name nested fields and list elements; a NUL byte would cut a string short.
        check("netlify", 200, R"([{"id":"a","state":"ready","created_at":"x","branch":null},3])",
              "[1]: expected an object");
        check("vercel", 200,
              R"({"deployments":[{"uid":"a","created":1,"meta":{"githubCommitRef":5}}]})",
              "deployments[0].meta.githubCommitRef: expected a string");
        check("netlify", 200, QByteArrayLiteral("[\"a\0b\"]"),
              "not a JSON document: NUL byte at offset 3");
    }

    void transportFailuresAreMessages()
    {
        FakeService service;
        const QUrl closed = FakeService().base(); // nothing listens there any more
        service.serve(sitePath, {.body = "[]", .delay = 30s});
        const HttpFetcher impatient(m_network, {.idle = 100ms});
        for (const QString &error :
             {message(fetch("netlify", closed)),
              message(fetch("netlify", service.base(), "site-1", "t", &impatient))})
            QVERIFY2(!error.isEmpty() && !error.startsWith("HTTP"), qPrintable(error));

        // A line break in the token would inject headers: nothing is sent.
        QCOMPARE(message(fetch("netlify", service.base(), "site-1", "t\r\nX-Injected: 1")),
                 "neplatná hlavička požadavku");
        QCOMPARE(service.requests().size(), 1); // the slow one
    }

    void slowServersMeetTheDeadline()
    {
        using Stream = FakeService::Stream;
        FakeService service;
        service.serve("/silent", {.body = "[]", .delay = 30s});
        service.serve("/trickle", {.body = "[]", .stream = Stream::Trickle});
        service.serve("/headers", {.stream = Stream::EndlessHeaders});
        const auto at = [&service](const char *path) {
            return service.base().resolved(QUrl(path));
        };
        const auto idle = failure(HttpFetcher(m_network, {.idle = 200ms}), at("/silent"));
        QVERIFY(idle && !idle->isEmpty());
        // Bytes keep coming, so only the deadline ends this, and it reads as the idle time-out.
        const HttpFetcher hurried(m_network, {.idle = 10s, .deadline = 300ms});
        QCOMPARE(failure(hurried, at("/trickle")), idle);
        // Headers without end are cut at their bound, long before any time limit.
        const HttpFetcher patient(m_network, {.idle = 10s, .deadline = 10s});
        const auto endless = failure(patient, at("/headers"));
        QVERIFY(endless && endless->contains("hlavičky odpovědi jsou příliš velké"));
    }

    void endlessBodyStaysNearTheCap()
    {
        // Served from a thread of its own: on this one it could never outrun the reading.
        QThread thread;
        auto *service = new FakeService;
        service->serve("/endless", {.stream = FakeService::Stream::EndlessChunks});
        service->moveToThread(&thread);
        thread.start();
        const auto stop = qScopeGuard([&thread, service] {
            QMetaObject::invokeMethod(service, [service] { delete service; });
            thread.quit();
            thread.wait();
        });
        const HttpFetcher fetcher(m_network); // the real 8 MB cap
        const qint64 before = peakMemory(true);
        const auto error = failure(fetcher, service->base().resolved(QUrl("/endless")));
        QVERIFY(error && error->contains("příliš velká"));
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer keeps freed memory in quarantine: resident memory says nothing");
#endif
        const qint64 growth = peakMemory() - before;
        QVERIFY2(growth < 64 * 1024 * 1024, qPrintable(QString::number(growth)));
    }

    void undecodableContentIsAFailure()
    {
        // A body that claims to be gzip but is not: never a server answer to decode as JSON.
        FakeService service;
        service.serve(sitePath, {.body = "[{\"id\":1}] and more", .encoding = "gzip"});
        const auto error = failure(m_fetcher, service.base().resolved(QUrl(sitePath)));
        QVERIFY(error && !error->isEmpty());
        QCOMPARE(message(fetch("netlify", service.base())), *error);
        // Where the server refused, its status still speaks (Qt reports 422 with the same error).
        for (const int status : {404, 422}) {
            service.serve(sitePath, {.status = status, .body = "not gzip", .encoding = "gzip"});
            QCOMPARE(message(fetch("netlify", service.base())), "HTTP " + QString::number(status));
        }
    }

    void requestAddressesKeepTheirEncoding()
    {
        FakeService service;
        const QString awkward = QStringLiteral("a#b?c%d e/f&g=h+ž");
        const QString encoded = QStringLiteral("a%23b%3Fc%25d%20e/f&g=h+%C5%BE");
        const QString inQuery = QStringLiteral("a%23b%3Fc%25d%20e/f%26g%3Dh%2B%C5%BE");
        fetch("netlify", service.base(), awkward);
        fetch("vercel", service.base(), awkward);
        QCoro::waitFor(
            GitHubClient(m_fetcher, service.base())
                .fetchStatus(QStringLiteral("https://github.com/acme/site"), awkward, {}));

        QMap<QString, QString> seen; // path -> query
        for (const RecordedRequest &request : service.requests())
            seen.insert(request.path, request.query);
        QCOMPARE(seen.value("/api/v1/sites/" + encoded + "/deploys"), "per_page=8");
        QCOMPARE(seen.value("/v6/deployments"), "projectId=" + inQuery + "&limit=8");
        QCOMPARE(seen.value(pullsPath), "state=open&head=acme:" + inQuery + "&per_page=20");
        QCOMPARE(seen.value("/repos/acme/site/commits/" + encoded + "/check-runs"), "per_page=30");
    }

    void followsRedirectsOnlyWithinTheOrigin()
    {
        // %1 is the service's port, %2 the other server's; a leading '+': followed.
        for (QString target :
             {"+/moved", "-http://127.0.0.1:%2/moved", "-http://localhost:%1/moved"}) {
            const bool followed = target.startsWith('+');
            FakeService service;
            FakeService other;
            const QByteArray body = FakeService::fixture("netlify-deploys-2016.json");
            target.remove(0, 1)
                .replace("%1", QString::number(service.port()))
                .replace("%2", QString::number(other.port()));
            service.redirect(sitePath, QUrl(target));
            service.serve("/moved", 200, body);
            other.serve("/moved", 200, body);

            const DeployResult result = fetch("netlify", service.base(), "site-1", "secret");
            QVERIFY2(other.requests().isEmpty(), qPrintable(target));
            QCOMPARE(service.requests().size(), followed ? 2 : 1);
            QCOMPARE(service.requests().last().headers.value("authorization"), "Bearer secret");
            QCOMPARE(result, followed ? NetlifyClient::decode(body, {}) : FetchError{"HTTP 302"});
        }
    }

    void capsTheBody()
    {
        FakeService service;
        service.serve("/fits", 200, QByteArray(1024, 'x'));
        service.serve("/over", 200, QByteArray(1025, 'x'));
        // Never ends: only stopping early answers before the fetcher's time-out.
        service.serve("/endless", {.body = QByteArray(4096, 'x'), .endless = true});
        const HttpFetcher fetcher(m_network, {.idle = 10s, .maxBodyBytes = 1024});
        const auto get = [&](const char *path) { // the body or the error
            const auto result =
                QCoro::waitFor(fetcher.get(service.base().resolved(QUrl(path)), {}));
            const auto *response = std::get_if<HttpResponse>(&result);
            return response ? response->body : std::get<FetchError>(result).message.toUtf8();
        };
        QCOMPARE(get("/fits"), QByteArray(1024, 'x'));
        for (const char *path : {"/over", "/endless"})
            QVERIFY2(get(path).contains("příliš velká"), path);
    }

    void repoSlug()
    {
        // An address and the owner/repo read from it, if any.
        for (const QString pair : {"https://github.com/acme/site acme/site",
                                   "https://github.com/acme/site.git acme/site",
                                   "https://github.com/acme/site.git/ acme/site",
                                   "https://github.com/acme/acme.github.io acme/acme.github.io",
                                   "https://github.com/acme/my.git.tools/ acme/my.git.tools",
                                   "https://git.example.org/acme/site/tree/main/src acme/site",
                                   "https://github.com/acme", "https://github.com/acme/.git",
                                   "http://[github.com/acme/site"}) {
            const auto found = GitHubClient::repoSlug(pair.section(' ', 0, 0));
            QCOMPARE(found ? found->first + '/' + found->second : QString(), pair.section(' ', 1));
        }
    }

    void checksSummary()
    {
        // status:conclusion of each run
        QList<std::pair<QString, Checks>> cases = {
            {"", Checks::None},
            {"queued:,completed:failure", Checks::Pending}, // running outranks failed
            {"completed:success,completed:skipped,completed:neutral", Checks::Success}};
        for (const QString word : {"failure", "timed_out", "action_required", "cancelled"})
            cases.append({"completed:success,completed:" + word, Checks::Failure});
        for (auto [runs, expected] : cases) {
            runs.replace(QRegularExpression("(\\w*):(\\w*)"),
                         "{\"status\":\"\\1\",\"conclusion\":\"\\2\"}");
            QCOMPARE(GitHubClient::checksState("{\"check_runs\":[" + runs.toUtf8() + "]}"),
                     std::optional(expected));
        }
    }
};

QTEST_GUILESS_MAIN(TestWeb)
#include "tst_web.moc"
