// SPDX-License-Identifier: MIT
#include "support/fakeservice.h"

#include "services/localization.h"
#include "sources/deploystatus.h"
#include "sources/githubclient.h"
#include "sources/httpfetcher.h"
#include "sources/netlifyclient.h"
#include "sources/serviceendpoints.h"
#include "sources/urlpath.h"
#include "sources/vercelclient.h"
#include "support/testenvironment.h"

#include <QCoroTask>
#include <QDir>
#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QtTest>

using namespace std::chrono_literals;
using Checks = GitHubStatus::ChecksState;

namespace {

const QString sitePath = QStringLiteral("/api/v1/sites/site-1/deploys");
const QString pullsPath = QStringLiteral("/repos/acme/site/pulls");
const QString checksPath = QStringLiteral("/repos/acme/site/commits/main/check-runs");

QDateTime utc(const QString &iso)
{
    return QDateTime::fromString(iso, Qt::ISODateWithMs);
}

DeployInfo deploy(const QString &state, const std::optional<QString> &errorMessage = {})
{
    return {
        QStringLiteral("d"), state, utc(QStringLiteral("2024-05-01T10:00:00Z")), errorMessage, {}};
}

QString message(const DeployResult &result)
{
    const auto *error = std::get_if<FetchError>(&result);
    return error ? error->message : QStringLiteral("<no error>");
}

} // namespace

class TestWeb final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { AppLanguageStore::setCurrent(AppLanguage::Cs); }

    void escapesWhatWouldChangeTheAddress_data();
    void escapesWhatWouldChangeTheAddress();
    void requestAddressesKeepTheirEncoding();
    void invalidBaseAddressIsReported();
    void endpointsFollowTheEnvironment();
    void followsRedirectsOnlyWithinTheOrigin_data();
    void followsRedirectsOnlyWithinTheOrigin();
    void capsTheBody_data();
    void capsTheBody();
    void transportFailuresAreMessages();
    void refusesHeaderLineBreaks();

    void netlifyReadsDeployments();
    void netlifyDates_data();
    void netlifyDates();
    void clientFailures_data();
    void clientFailures();
    void deployStatusFollowsTheNewest_data();
    void deployStatusFollowsTheNewest();
    void deployStatusLabels();

    void vercelReadsDeployments();
    void vercelStates_data();
    void vercelStates();

    void repoSlug_data();
    void repoSlug();
    void githubAsksBothAtOnce();
    void githubSendsNoAuthorizationWithoutToken_data();
    void githubSendsNoAuthorizationWithoutToken();
    void githubFailuresReadAsNothing();
    void checksSummary_data();
    void checksSummary();
    void githubLabel();

private:
    TestEnvironment m_environment;
    QNetworkAccessManager m_network;
    HttpFetcher m_fetcher{m_network, 10s};
};

void TestWeb::escapesWhatWouldChangeTheAddress_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("ordinary") << "my-site_2.0~x"
                              << "my-site_2.0~x";
    QTest::newRow("non-ASCII letters") << "žluťoučký-kůň"
                                       << "žluťoučký-kůň";
    QTest::newRow("hash, question, percent") << "a#b?c%d"
                                             << "a%23b%3Fc%25d";
    QTest::newRow("space and slash") << "feature/a b"
                                     << "feature%2Fa%20b";
    QTest::newRow("control characters") << "a\nb\tc"
                                        << "a%0Ab%09c";
    QTest::newRow("query delimiters") << "a&b=c+d"
                                      << "a%26b%3Dc%2Bd";
}

void TestWeb::escapesWhatWouldChangeTheAddress()
{
    QFETCH(QString, value);
    QFETCH(QString, escaped);
    QCOMPARE(UrlPath::escapeSegment(value), escaped);
    QCOMPARE(UrlPath::escapeQueryValue(value), escaped);
}

void TestWeb::requestAddressesKeepTheirEncoding()
{
    FakeService service;
    const QString awkward = QStringLiteral("a#b?c%d e/f&g=h+ž");
    const QString encoded = QStringLiteral("a%23b%3Fc%25d%20e%2Ff%26g%3Dh%2B%C5%BE");

    NetlifyClient netlify(m_fetcher, service.base());
    QCoro::waitFor(netlify.fetchDeploys(awkward, QStringLiteral("t"), 8));
    VercelClient vercel(m_fetcher, service.base());
    QCoro::waitFor(vercel.fetchDeploys(awkward, QStringLiteral("t"), 8));
    GitHubClient github(m_fetcher, service.base());
    QCoro::waitFor(github.fetchStatus(QStringLiteral("https://github.com/acme/site"), awkward, {}));

    QMap<QString, QString> seen; // path -> query
    for (const RecordedRequest &request : service.requests())
        seen.insert(request.path, request.query);
    QCOMPARE(seen.size(), 4);
    QCOMPARE(seen.value("/api/v1/sites/" + encoded + "/deploys"), "per_page=8");
    QCOMPARE(seen.value("/v6/deployments"), "projectId=" + encoded + "&limit=8");
    QCOMPARE(seen.value(pullsPath), "state=open&head=acme:" + encoded + "&per_page=20");
    QCOMPARE(seen.value("/repos/acme/site/commits/" + encoded + "/check-runs"), "per_page=30");
}

void TestWeb::invalidBaseAddressIsReported()
{
    for (const QUrl &base : {QUrl(), QUrl(QStringLiteral("api.netlify.com"))}) {
        NetlifyClient netlify(m_fetcher, base);
        QCOMPARE(message(QCoro::waitFor(netlify.fetchDeploys("s", "t", 8))), "neplatné URL");
        VercelClient vercel(m_fetcher, base);
        QCOMPARE(message(QCoro::waitFor(vercel.fetchDeploys("p", "t", 8))), "neplatné URL");
        GitHubClient github(m_fetcher, base);
        const auto status =
            QCoro::waitFor(github.fetchStatus("https://github.com/a/b", "main", {}));
        QCOMPARE(status, GitHubStatus{});
    }
}

void TestWeb::endpointsFollowTheEnvironment()
{
    const ServiceEndpoints defaults = ServiceEndpoints::defaults();
    QCOMPARE(defaults.github, QUrl("https://api.github.com"));
    QCOMPARE(defaults.updateManifest.path(), "/downloads/quaylin/version.json");
    QCOMPARE(defaults.updateManifest.scheme(), "https");
    qputenv("QUAYLIN_VERCEL_API", "http://127.0.0.1:8080");
    qputenv("QUAYLIN_NETLIFY_API", " ");
    const ServiceEndpoints overridden = ServiceEndpoints::fromEnvironment();
    qunsetenv("QUAYLIN_VERCEL_API");
    qunsetenv("QUAYLIN_NETLIFY_API");
    QCOMPARE(overridden.vercel, QUrl("http://127.0.0.1:8080"));
    QCOMPARE(overridden.netlify, defaults.netlify);
}

void TestWeb::followsRedirectsOnlyWithinTheOrigin_data()
{
    QTest::addColumn<QString>("target"); // %1 is the service's port, %2 the other server's
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("followed");
    QTest::newRow("same origin") << "http://127.0.0.1:%1/moved" << 302 << true;
    QTest::newRow("same origin, relative") << "/moved" << 301 << true;
    QTest::newRow("same origin, 308") << "/moved" << 308 << true;
    QTest::newRow("other port") << "http://127.0.0.1:%2/moved" << 302 << false;
    QTest::newRow("other port, 307") << "http://127.0.0.1:%2/moved" << 307 << false;
    QTest::newRow("other host name") << "http://localhost:%1/moved" << 302 << false;
}

void TestWeb::followsRedirectsOnlyWithinTheOrigin()
{
    QFETCH(QString, target);
    QFETCH(int, status);
    QFETCH(bool, followed);
    FakeService service;
    FakeService other;
    const QByteArray body = FakeService::fixture("netlify-deploys-2016.json");
    target.replace("%1", QString::number(service.port()))
        .replace("%2", QString::number(other.port()));
    service.redirect(sitePath, QUrl(target), status);
    service.serve("/moved", 200, body);
    other.serve("/moved", 200, body);

    NetlifyClient client(m_fetcher, service.base());
    const DeployResult result = QCoro::waitFor(client.fetchDeploys("site-1", "secret", 8));

    QVERIFY(other.requests().isEmpty());
    if (followed) {
        QCOMPARE(result, NetlifyClient::decode(body, {}));
        QCOMPARE(service.requests().size(), 2);
        QCOMPARE(service.requests().last().headers.value("authorization"), "Bearer secret");
    } else {
        QCOMPARE(message(result), "HTTP " + QString::number(status));
        QCOMPARE(service.requests().size(), 1);
    }
}

void TestWeb::capsTheBody_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("withoutLength");
    QTest::addColumn<qint64>("announced"); // -1: the body's size
    QTest::addColumn<bool>("accepted");
    QTest::newRow("at the cap") << 1024 << false << qint64(-1) << true;
    QTest::newRow("at the cap, streamed") << 1024 << true << qint64(-1) << true;
    QTest::newRow("one byte over") << 1025 << false << qint64(-1) << false;
    // The next two never end: only an early stop answers before the fetcher's time-out.
    QTest::newRow("announced too large") << 10 << false << (qint64(1) << 30) << false;
    QTest::newRow("streaming past the cap") << 4096 << true << qint64(-1) << false;
}

void TestWeb::capsTheBody()
{
    QFETCH(int, size);
    QFETCH(bool, withoutLength);
    QFETCH(qint64, announced);
    QFETCH(bool, accepted);
    FakeService service;
    FakeService::Reply reply;
    reply.body = QByteArray(size, 'x');
    reply.withoutLength = withoutLength;
    reply.announcedLength = announced;
    reply.unfinished = !accepted && (withoutLength || announced >= 0);
    service.serve("/big", reply);

    const HttpFetcher fetcher(m_network, 10s, 1024);
    const auto result = QCoro::waitFor(fetcher.get(service.base().resolved(QUrl("/big")), {}));
    if (accepted) {
        QVERIFY(std::holds_alternative<HttpResponse>(result));
        QCOMPARE(std::get<HttpResponse>(result).body, reply.body);
    } else {
        QVERIFY(std::holds_alternative<FetchError>(result));
        QVERIFY(std::get<FetchError>(result).message.contains("příliš velká"));
    }
}

void TestWeb::transportFailuresAreMessages()
{
    // A port nothing listens on.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const QUrl closed(QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort()));
    probe.close();
    NetlifyClient refused(m_fetcher, closed);
    const QString refusal = message(QCoro::waitFor(refused.fetchDeploys("s", "t", 8)));
    QVERIFY(!refusal.isEmpty() && refusal != "<no error>" && !refusal.startsWith("HTTP"));

    // An answer slower than the fetcher waits.
    FakeService service;
    FakeService::Reply slow;
    slow.body = "[]";
    slow.delay = 30s;
    service.serve(sitePath, slow);
    const HttpFetcher impatient(m_network, 100ms);
    NetlifyClient late(impatient, service.base());
    const QString timeout = message(QCoro::waitFor(late.fetchDeploys("site-1", "t", 8)));
    QVERIFY(!timeout.isEmpty() && timeout != "<no error>" && !timeout.startsWith("HTTP"));

    // A transfer that is not HTTP at all.
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath("api/v1/sites/s"));
    QFile file(folder.filePath("api/v1/sites/s/deploys"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[]") == 2);
    file.close();
    NetlifyClient local(m_fetcher, QUrl::fromLocalFile(folder.path()));
    QCOMPARE(message(QCoro::waitFor(local.fetchDeploys("s", "t", 8))), "bez odpovědi");
}

void TestWeb::refusesHeaderLineBreaks()
{
    FakeService service;
    NetlifyClient client(m_fetcher, service.base());
    const auto result = QCoro::waitFor(client.fetchDeploys("site-1", "t\r\nX-Injected: 1", 8));
    QCOMPARE(message(result), "neplatná hlavička požadavku");
    QVERIFY(service.requests().isEmpty());
}

void TestWeb::netlifyReadsDeployments()
{
    FakeService service;
    service.serve(sitePath, 200, FakeService::fixture("netlify-deploys-2016.json"));
    NetlifyClient client(m_fetcher, service.base());
    const DeployResult result = QCoro::waitFor(client.fetchDeploys("site-1", "nf-token", 8));

    const QList<DeployInfo> expected = {{"52465f435803544542000001", "old",
                                         utc("2013-09-17T05:13:08Z"), std::nullopt, std::nullopt}};
    QCOMPARE(result, DeployResult(expected));
    QCOMPARE(service.requests().size(), 1);
    QCOMPARE(service.requests().first().query, "per_page=8");
    QCOMPARE(service.requests().first().headers.value("authorization"), "Bearer nf-token");

    service.serve(sitePath, 200, "[]");
    QCOMPARE(QCoro::waitFor(client.fetchDeploys("site-1", "t", 8)),
             DeployResult(QList<DeployInfo>()));

    const QDateTime now = utc("2024-06-01T12:00:00Z");
    const QList<DeployInfo> recent = {
        {"6630f1a2b3c4d5e6f7a8b9c0", "ready", utc("2024-05-01T10:00:00.123Z"), std::nullopt,
         "main"},
        {"6630e0a1b2c3d4e5f6a7b8c9", "error", utc("2024-04-30T08:00:00Z"),
         "Build script returned non-zero exit code: 2", std::nullopt},
        {"6630d0a0b1c2d3e4f5a6b7c8", "prepared", now, std::nullopt, std::nullopt},
    };
    QCOMPARE(NetlifyClient::decode(FakeService::fixture("netlify-deploys-recent.json"), now),
             DeployResult(recent));
}

void TestWeb::netlifyDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected");
    const QDateTime now = utc("2030-01-01T00:00:00Z");
    QTest::newRow("milliseconds") << "2024-05-01T10:00:00.250Z" << utc("2024-05-01T10:00:00.250Z");
    QTest::newRow("microseconds") << "2024-05-01T10:00:00.250999Z"
                                  << utc("2024-05-01T10:00:00.251Z");
    QTest::newRow("whole seconds") << "2024-05-01T10:00:00Z" << utc("2024-05-01T10:00:00Z");
    QTest::newRow("offset") << "2024-05-01T12:00:00+02:00" << utc("2024-05-01T10:00:00Z");
    QTest::newRow("unreadable") << "yesterday" << now;
    QTest::newRow("empty") << "" << now;
}

void TestWeb::netlifyDates()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    const QByteArray body =
        R"([{"id":"d","state":"ready","created_at":")" + text.toUtf8() + R"("}])";
    const DeployResult result = NetlifyClient::decode(body, utc("2030-01-01T00:00:00Z"));
    QVERIFY(std::holds_alternative<QList<DeployInfo>>(result));
    QCOMPARE(std::get<QList<DeployInfo>>(result).first().createdAt, expected);
}

void TestWeb::clientFailures_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected"); // a trailing '*' matches any rest
    const QByteArray rateLimit = FakeService::fixture("github-error-403-rate-limit.json");
    for (const char *service : {"netlify", "vercel"}) {
        const auto row = [service](const char *name) {
            return &QTest::newRow(qPrintable(QString("%1: %2").arg(service, name)));
        };
        *row("401") << service << 401
                    << FakeService::fixture("github-error-401-bad-credentials.json") << "HTTP 401";
        *row("403") << service << 403 << FakeService::fixture("vercel-error-forbidden.json")
                    << "HTTP 403";
        *row("404") << service << 404 << QByteArray() << "HTTP 404";
        *row("429") << service << 429 << rateLimit << "HTTP 429";
        *row("500") << service << 500 << QByteArray("[]") << "HTTP 500";
        *row("204") << service << 204 << QByteArray() << "HTTP 204";
        *row("not JSON") << service << 200 << QByteArray("<html>") << "neplatný JSON*";
        *row("truncated") << service << 200 << QByteArray(R"({"deployments":[)")
                          << "neplatný JSON*";
    }
    const auto netlify = [](const char *name, const char *body, const char *expected) {
        QTest::newRow(name) << "netlify" << 200 << QByteArray(body) << expected;
    };
    netlify("netlify: object", "{}", "odpověď: má být pole");
    netlify("netlify: item not object", "[1]", "[0]: má být objekt");
    netlify("netlify: no id", R"([{"state":"ready","created_at":"x"}])", "[0].id: chybí");
    netlify("netlify: numeric id", R"([{"id":1,"state":"ready","created_at":"x"}])",
            "[0].id: má být text");
    netlify("netlify: no state", R"([{"id":"a","created_at":"x"}])", "[0].state: chybí");
    netlify("netlify: no date", R"([{"id":"a","state":"ready"}])", "[0].created_at: chybí");
    netlify(
        "netlify: numeric branch",
        R"([{"id":"a","state":"ready","created_at":"x"},{"id":"b","state":"x","created_at":"x","branch":5}])",
        "[1].branch: má být text");
    const auto vercel = [](const char *name, const char *body, const char *expected) {
        QTest::newRow(name) << "vercel" << 200 << QByteArray(body) << expected;
    };
    vercel("vercel: array", "[]", "odpověď: má být objekt");
    vercel("vercel: no list", R"({"pagination":{}})", "deployments: chybí");
    vercel("vercel: no uid", R"({"deployments":[{"created":1}]})", "deployments[0].uid: chybí");
    vercel("vercel: text created", R"({"deployments":[{"uid":"a","created":"1"}]})",
           "deployments[0].created: má být číslo");
    vercel("vercel: huge created", R"({"deployments":[{"uid":"a","created":1e300}]})",
           "deployments[0].created: čas mimo rozsah");
    vercel("vercel: numeric state", R"({"deployments":[{"uid":"a","created":1,"readyState":3}]})",
           "deployments[0].readyState: má být text");
    vercel("vercel: meta text", R"({"deployments":[{"uid":"a","created":1,"meta":"x"}]})",
           "deployments[0].meta: má být objekt");
    vercel("vercel: numeric ref",
           R"({"deployments":[{"uid":"a","created":1,"meta":{"githubCommitRef":7}}]})",
           "deployments[0].meta.githubCommitRef: má být text");
}

void TestWeb::clientFailures()
{
    QFETCH(QString, service);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    FakeService fake;
    fake.serve(sitePath, status, body);
    fake.serve("/v6/deployments", status, body);

    const DeployResult result =
        service == "netlify"
            ? QCoro::waitFor(NetlifyClient(m_fetcher, fake.base()).fetchDeploys("site-1", "t", 8))
            : QCoro::waitFor(VercelClient(m_fetcher, fake.base()).fetchDeploys("prj", "t", 8));
    if (expected.endsWith('*'))
        QVERIFY2(message(result).startsWith(expected.chopped(1)), qPrintable(message(result)));
    else
        QCOMPARE(message(result), expected);
}

void TestWeb::deployStatusFollowsTheNewest_data()
{
    QTest::addColumn<QList<DeployInfo>>("deploys");
    QTest::addColumn<DeployStatus>("expected");
    const QDateTime at = deploy("ready").createdAt;
    QTest::newRow("none") << QList<DeployInfo>() << DeployStatus::error("žádný deploy");
    for (const char *word : {"ready", "current"})
        QTest::newRow(word) << QList{deploy(word)} << DeployStatus::ready(at);
    for (const char *word : {"building", "enqueued", "processing", "uploading", "uploaded",
                             "preparing", "new", "prepared", "processed", "retrying"})
        QTest::newRow(word) << QList{deploy(word)} << DeployStatus::building();
    QTest::newRow("error with message")
        << QList{deploy("error", "exit 2")} << DeployStatus::error("exit 2");
    QTest::newRow("error without") << QList{deploy("error")} << DeployStatus::error("build selhal");
    for (const char *word :
         {"pending_review", "accepted", "rejected", "old", "deleted", "", "Ready"})
        QTest::newRow(qPrintable(QString("other '%1'").arg(word)))
            << QList{deploy(word)} << DeployStatus::error(word);
    QTest::newRow("newest wins") << QList{deploy("ready"), deploy("error")}
                                 << DeployStatus::ready(at);
    QTest::newRow("newest failed")
        << QList{deploy("error"), deploy("ready")} << DeployStatus::error("build selhal");
}

void TestWeb::deployStatusFollowsTheNewest()
{
    QFETCH(QList<DeployInfo>, deploys);
    QFETCH(DeployStatus, expected);
    QCOMPARE(DeployStatus::from(deploys), expected);
}

void TestWeb::deployStatusLabels()
{
    QCOMPARE(DeployStatus::error("HTTP 401").label(), "Chyba: HTTP 401");
    QCOMPARE(DeployStatus::unknown().label(), "Načítám…");
    QCOMPARE(DeployStatus::tokenMissing().label(), "Čeká na token");
    QCOMPARE(DeployStatus::notConfigured().label(), "Bez nasazení");
    QCOMPARE(DeployStatus::building().label(), "Nasazuje se…");
    const QString ready =
        DeployStatus::ready(QDateTime::currentDateTimeUtc().addSecs(-300)).label();
    QVERIFY(ready.startsWith("Nasazeno ") && ready.size() > 9);
    // Fixed words follow the language current when they are made.
    AppLanguageStore::setCurrent(AppLanguage::En);
    QCOMPARE(DeployStatus::unknown().label(), "Loading…");
    QCOMPARE(DeployStatus::from({}), DeployStatus::error("no deploy"));
    QCOMPARE(DeployStatus::from({deploy("error")}).label(), "Error: build failed");
    QCOMPARE((GitHubStatus{2, Checks::Failure}).label(), "2 PR · CI failed");
}

void TestWeb::vercelReadsDeployments()
{
    FakeService service;
    service.serve("/v6/deployments", 200, FakeService::fixture("vercel-deployments.json"));
    VercelClient client(m_fetcher, service.base());
    const DeployResult result = QCoro::waitFor(client.fetchDeploys("prj_1", "vc-token", 8));

    const QList<DeployInfo> expected = {{"dpl_2euZBFqxYdDMDG1jTrHFnNZ2eUVa", "ready",
                                         utc("2021-01-01T09:10:10Z"), std::nullopt, std::nullopt}};
    QCOMPARE(result, DeployResult(expected));
    QCOMPARE(service.requests().first().query, "projectId=prj_1&limit=8");
    QCOMPARE(service.requests().first().headers.value("authorization"), "Bearer vc-token");

    service.serve("/v6/deployments", 200, FakeService::fixture("vercel-deployments-empty.json"));
    QCOMPARE(QCoro::waitFor(client.fetchDeploys("prj_1", "t", 8)),
             DeployResult(QList<DeployInfo>()));
}

void TestWeb::vercelStates_data()
{
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<DeployInfo>("expected");
    const auto info = [](const char *state, std::optional<QString> branch = {}) {
        const bool failed = QByteArray(state) == "error";
        return DeployInfo{"u", state, QDateTime::fromMSecsSinceEpoch(1500, Qt::UTC),
                          failed ? std::optional<QString>("build selhal") : std::nullopt,
                          std::move(branch)};
    };
    QTest::newRow("READY") << QByteArray(R"("readyState":"READY")") << info("ready");
    QTest::newRow("lower-case ready") << QByteArray(R"("readyState":"ready")") << info("ready");
    for (const char *word : {"ERROR", "CANCELED"})
        QTest::newRow(word) << (R"("readyState":")" + QByteArray(word) + '"') << info("error");
    for (const char *word : {"BUILDING", "QUEUED", "INITIALIZING", "DEPLOYING"})
        QTest::newRow(word) << (R"("readyState":")" + QByteArray(word) + '"') << info("building");
    QTest::newRow("DELETED") << QByteArray(R"("readyState":"DELETED")") << info("deleted");
    QTest::newRow("BLOCKED") << QByteArray(R"("state":"BLOCKED")") << info("blocked");
    QTest::newRow("state alone") << QByteArray(R"("state":"ERROR")") << info("error");
    QTest::newRow("readyState preferred")
        << QByteArray(R"("readyState":"BUILDING","state":"READY")") << info("building");
    QTest::newRow("null readyState")
        << QByteArray(R"("readyState":null,"state":"READY")") << info("ready");
    QTest::newRow("neither") << QByteArray() << info("");
    QTest::newRow("branch") << QByteArray(
                                   R"("readyState":"READY","meta":{"githubCommitRef":"dev"})")
                            << info("ready", "dev");
    QTest::newRow("meta without ref")
        << QByteArray(R"("readyState":"READY","meta":{"x":1})") << info("ready");
}

void TestWeb::vercelStates()
{
    QFETCH(QByteArray, fields);
    QFETCH(DeployInfo, expected);
    const QByteArray body = R"({"deployments":[{"uid":"u","created":1500)" +
                            (fields.isEmpty() ? QByteArray() : ',' + fields) + "}]}";
    QCOMPARE(VercelClient::decode(body), DeployResult(QList{expected}));
    if (expected.state.isEmpty())
        QCOMPARE(DeployStatus::from({expected}), DeployStatus::error(QString()));
}

void TestWeb::repoSlug_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("owner"); // empty: no slug
    QTest::addColumn<QString>("repo");
    QTest::newRow("plain") << "https://github.com/acme/site"
                           << "acme"
                           << "site";
    QTest::newRow(".git") << "https://github.com/acme/site.git"
                          << "acme"
                          << "site";
    QTest::newRow("trailing slash") << "https://github.com/acme/site/"
                                    << "acme"
                                    << "site";
    QTest::newRow("tree path") << "https://github.com/acme/site/tree/main/src"
                               << "acme"
                               << "site";
    QTest::newRow("any host") << "https://git.example.org/acme/site"
                              << "acme"
                              << "site";
    QTest::newRow("no scheme") << "github.com/acme/site"
                               << "github.com"
                               << "acme";
    QTest::newRow("one component") << "https://github.com/acme"
                                   << ""
                                   << "";
    QTest::newRow("no path") << "https://github.com"
                             << ""
                             << "";
    QTest::newRow("only .git") << "https://github.com/acme/.git"
                               << ""
                               << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("unparsable") << "http://[github.com/acme/site"
                                << ""
                                << "";
}

void TestWeb::repoSlug()
{
    QFETCH(QString, address);
    QFETCH(QString, owner);
    QFETCH(QString, repo);
    const auto slug = GitHubClient::repoSlug(address);
    if (owner.isEmpty())
        QCOMPARE(slug, std::nullopt);
    else
        QCOMPARE(slug, std::pair(owner, repo));
}

void TestWeb::githubAsksBothAtOnce()
{
    FakeService service;
    FakeService::Reply pulls{200, FakeService::fixture("github-pulls-one.json"), {}, {}, true};
    FakeService::Reply checks{
        200, FakeService::fixture("github-check-runs-mixed.json"), {}, {}, true};
    service.serve(pullsPath, pulls);
    service.serve(checksPath, checks);
    GitHubClient client(m_fetcher, service.base());

    auto task = client.fetchStatus("https://github.com/acme/site.git", "main", "gh-token");
    // Both requests arrive while neither has been answered.
    QTRY_COMPARE(service.requests().size(), 2);
    service.release();
    const auto status = QCoro::waitFor(std::move(task));

    QCOMPARE(status, (GitHubStatus{1, Checks::Pending}));
    for (const RecordedRequest &request : service.requests()) {
        QCOMPARE(request.headers.value("accept"), "application/vnd.github+json");
        QCOMPARE(request.headers.value("authorization"), "Bearer gh-token");
        QVERIFY(!request.headers.value("user-agent").isEmpty());
        QCOMPARE(request.query, request.path == pullsPath ? "state=open&head=acme:main&per_page=20"
                                                          : "per_page=30");
    }

    // No owner and repository: no status and no request.
    QCOMPARE(QCoro::waitFor(client.fetchStatus("https://github.com/acme", "main", {})),
             std::nullopt);
    QCOMPARE(service.requests().size(), 2);
}

void TestWeb::githubSendsNoAuthorizationWithoutToken_data()
{
    QTest::addColumn<std::optional<QString>>("token");
    QTest::newRow("absent") << std::optional<QString>();
    QTest::newRow("empty") << std::optional<QString>(QString());
}

void TestWeb::githubSendsNoAuthorizationWithoutToken()
{
    QFETCH(std::optional<QString>, token);
    FakeService service;
    service.serve(pullsPath, 200, "[]");
    service.serve(checksPath, 200, FakeService::fixture("github-check-runs-paginated.json"));
    GitHubClient client(m_fetcher, service.base());
    const auto status =
        QCoro::waitFor(client.fetchStatus("https://github.com/acme/site", "main", token));
    QCOMPARE(status, (GitHubStatus{0, Checks::Success}));
    QCOMPARE(service.requests().size(), 2);
    for (const RecordedRequest &request : service.requests()) {
        QVERIFY(!request.headers.contains("authorization"));
        QCOMPARE(request.headers.value("accept"), "application/vnd.github+json");
    }
}

void TestWeb::githubFailuresReadAsNothing()
{
    FakeService service;
    GitHubClient client(m_fetcher, service.base());
    const auto ask = [&] {
        return QCoro::waitFor(client.fetchStatus("https://github.com/acme/site", "main", "t"));
    };
    service.serve(pullsPath, 401, FakeService::fixture("github-error-401-bad-credentials.json"));
    service.serve(checksPath, 403, FakeService::fixture("github-error-403-rate-limit.json"));
    QCOMPARE(ask(), GitHubStatus{});
    service.serve(pullsPath, 200, R"([{"head":{"ref":"main"}},{"head":{}}])");
    service.serve(checksPath, 200, "not json");
    QCOMPARE(ask(), GitHubStatus{});
    service.serve(pullsPath, 200, R"([{"head":{"ref":"main"}},{"head":{"ref":"main"}}])");
    service.serve(checksPath, 200,
                  R"({"check_runs":[{"status":"completed","conclusion":"success"}]})");
    QCOMPARE(ask(), (GitHubStatus{2, Checks::Success}));
}

void TestWeb::checksSummary_data()
{
    QTest::addColumn<QByteArray>("runs");
    QTest::addColumn<std::optional<Checks>>("expected");
    const auto row = [](const char *name, const char *runs, std::optional<Checks> expected) {
        QTest::newRow(name) << QByteArray(R"({"total_count":0,"check_runs":[)" + QByteArray(runs) +
                                          "]}")
                            << expected;
    };
    const char *queuedAndFailed = R"({"status":"queued","conclusion":null},
                                    {"status":"completed","conclusion":"failure"})";
    row("empty", "", Checks::None);
    row("queued and failed", queuedAndFailed, Checks::Pending);
    row("success and skipped", R"({"status":"completed","conclusion":"success"},
                                  {"status":"completed","conclusion":"skipped"})",
        Checks::Success);
    for (const char *word : {"failure", "timed_out", "action_required", "cancelled"})
        row(word,
            qPrintable(QString(R"({"status":"completed","conclusion":"success"},
                                        {"status":"completed","conclusion":"%1"})")
                           .arg(word)),
            Checks::Failure);
    row("neutral, stale, none", R"({"status":"completed","conclusion":"neutral"},
                                   {"status":"completed","conclusion":"stale"},
                                   {"status":"completed"})",
        Checks::Success);
    row("no status", R"({"conclusion":"success"})", std::nullopt);
    row("numeric conclusion", R"({"status":"completed","conclusion":1})", std::nullopt);
    QTest::newRow("no list") << QByteArray("{}") << std::optional<Checks>();
    QTest::newRow("fixture: paginated") << FakeService::fixture("github-check-runs-paginated.json")
                                        << std::optional(Checks::Success);
    QTest::newRow("fixture: mixed")
        << FakeService::fixture("github-check-runs-mixed.json") << std::optional(Checks::Pending);
}

void TestWeb::checksSummary()
{
    QFETCH(QByteArray, runs);
    QFETCH(std::optional<Checks>, expected);
    QCOMPARE(GitHubClient::checksState(runs), expected);
}

void TestWeb::githubLabel()
{
    QCOMPARE((GitHubStatus{2, Checks::Success}).label(), "2 PR · CI OK");
    QCOMPARE((GitHubStatus{1, Checks::None}).label(), "1 PR");
    QCOMPARE((GitHubStatus{0, Checks::Pending}).label(), "CI běží");
    QCOMPARE((GitHubStatus{0, Checks::Failure}).label(), "CI selhalo");
    QCOMPARE((GitHubStatus{0, Checks::None}).label(), QString());
    QCOMPARE(GitHubClient::openPRCount(FakeService::fixture("github-pulls-one.json")), 1);
}

QTEST_GUILESS_MAIN(TestWeb)
#include "tst_web.moc"
