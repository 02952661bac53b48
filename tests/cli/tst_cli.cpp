// SPDX-License-Identifier: MIT
// The `quaylin` command as a user runs it: a real process over a temporary data folder.
#include "model/recordjson.h"
#include "services/preferences.h"
#include "support/fakeservice.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {

struct Result {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Every file and folder below `dir` with its bytes, to prove a command wrote nothing.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, readFile(path));
    }
    return files;
}

// The value at a slash-separated path of keys and array indices: "3/git/state".
QJsonValue at(QJsonValue value, const QString &path)
{
    for (const QString &key : path.split(u'/')) {
        bool isIndex = false;
        const int index = key.toInt(&isIndex);
        value = isIndex ? value.toArray().at(index) : value.toObject().value(key);
    }
    return value;
}

QString text(const QJsonValue &root, const QString &path)
{
    return at(root, path).toString();
}

} // namespace

class CommandLineTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;

    QString dataFile() const { return env->dataDir() + QStringLiteral("/store.json"); }

    Result quaylin(const QStringList &arguments, const QProcessEnvironment &extra = {},
                   const QString &workingDirectory = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // No tokens and no reachable services unless a test brings them.
        for (const char *name : {"NETLIFY_AUTH_TOKEN", "VERCEL_TOKEN", "GH_TOKEN", "GITHUB_TOKEN"})
            environment.remove(QLatin1String(name));
        for (const char *name : {"QUAYLIN_NETLIFY_API", "QUAYLIN_VERCEL_API", "QUAYLIN_GITHUB_API"})
            environment.insert(QLatin1String(name), QStringLiteral("http://127.0.0.1:9"));
        environment.insert(extra);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(workingDirectory.isEmpty() ? env->root() : workingDirectory);
        // Waiting through the event loop lets a fake service in this process answer.
        QSignalSpy finished(&process, &QProcess::finished);
        process.start(QStringLiteral(QUAYLIN_BINARY), arguments);
        if (!finished.wait(60'000))
            return {};
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    QJsonValue status(const QProcessEnvironment &extra = {})
    {
        const Result result = quaylin({QStringLiteral("status"), QStringLiteral("--json")}, extra);
        return QJsonDocument::fromJson(result.out).object().value(u"projects");
    }

private Q_SLOTS:
    void init() { env = std::make_unique<TestEnvironment>(); }

    void addTracksAwkwardPathsAndStatusReadsThem()
    {
        const QString root = env->root() + QStringLiteral("/projects/");
        const QStringList names{QStringLiteral("with space"), QStringLiteral("quote\"d 'x'"),
                                QStringLiteral("new\nline"), QStringLiteral("Příliš žluťoučký")};
        for (const QString &name : names) {
            QVERIFY(makeRepository(root + name));
            QCOMPARE(quaylin({QStringLiteral("add"), root + name}).exitCode, 0);
        }
        // The current folder by default; name and emoji trimmed, two characters of emoji kept.
        QDir().mkpath(root + QStringLiteral("plain"));
        QCOMPARE(quaylin({QStringLiteral("add"), QStringLiteral("--name"),
                          QStringLiteral(" Plain "), QStringLiteral("--emoji= 🇨🇿🚀x ")},
                         {}, root + QStringLiteral("plain"))
                     .exitCode,
                 0);
        const auto saved = std::get<StoreData>(
            RecordJson::decodeDocument(readFile(dataFile()), QDateTime::currentDateTimeUtc()));
        QCOMPARE(saved.projects[1].sortIndex, 2.0);
        QCOMPARE(saved.projects[0].emoji, QStringLiteral("📦"));
        QCOMPARE(saved.projects[4].name, QStringLiteral("Plain"));
        QCOMPARE(saved.projects[4].emoji, QStringLiteral("🇨🇿🚀"));

        const QJsonValue projects = status();
        QCOMPARE(projects.toArray().size(), 5);
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(text(projects, QStringLiteral("%1/name").arg(i)), names[i]);
            QCOMPARE(text(projects, QStringLiteral("%1/localPath").arg(i)), root + names[i]);
            QCOMPARE(text(projects, QStringLiteral("%1/git/label").arg(i)),
                     QStringLiteral("main · čisto"));
        }
        QCOMPARE(text(projects, QStringLiteral("3/commits/0/message")),
                 QStringLiteral("first commit"));
        QCOMPARE(text(projects, QStringLiteral("4/git/state")), QStringLiteral("notAvailable"));
        QVERIFY(at(projects, QStringLiteral("4/git/branch")).isUndefined());
    }

    void addRefusesAndWritesNothing()
    {
        const QString folder = env->root() + QStringLiteral("/site");
        QDir().mkpath(folder);
        QCOMPARE(quaylin({QStringLiteral("add"), folder}).exitCode, 0);
        const auto before = snapshot(env->root());
        const Result again = quaylin({QStringLiteral("add"), folder + QStringLiteral("/./")});
        QCOMPARE(again.exitCode, 1);
        QCOMPARE(again.err.count('\n'), 1);
        QCOMPARE(
            quaylin({QStringLiteral("add"), env->root() + QStringLiteral("/missing")}).exitCode, 1);
        {
            QLockFile lock(env->dataDir() + QStringLiteral("/store.json.lock"));
            QVERIFY(lock.tryLock(0));
            const Result locked = quaylin({QStringLiteral("add"), env->root()});
            QCOMPARE(locked.exitCode, 1);
            QVERIFY(locked.err.contains("running"));
        }
        QCOMPARE(snapshot(env->root()), before);
        QVERIFY(writeFile(dataFile(), "{ broken"));
        QCOMPARE(quaylin({QStringLiteral("add"), env->root()}).exitCode, 1);
        QCOMPARE(readFile(dataFile()), QByteArray("{ broken"));
    }

    void statusWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("no data file") << QByteArray();
        QTest::newRow("unreadable") << QByteArray("[1, 2");
        QTest::newRow("unseeded, duplicate indices")
            << QByteArray(R"({"projects": [{"name": "A", "localPath": "/a", "sortIndex": 1},
                                            {"name": "B", "localPath": "/b", "sortIndex": 1}]})");
    }

    void statusWritesNothing()
    {
        QFETCH(QByteArray, contents);
        if (!contents.isEmpty())
            QVERIFY(writeFile(dataFile(), contents));
        const auto before = snapshot(env->root());
        QCOMPARE(quaylin({QStringLiteral("status")}).exitCode, 0);
        QVERIFY(status().isArray());
        QCOMPARE(snapshot(env->root()), before);
    }

    void statusOrdersLikeTheSidebarCountsCardsAndSpeaksTheLanguage()
    {
        QVERIFY(writeFile(dataFile(),
                          readFile(QStringLiteral(QUAYLIN_TEST_DATA_DIR "/cli/sidebar.json"))));
        const QJsonValue projects = status();
        QStringList order;
        for (const QJsonValue &project : projects.toArray())
            order.append(project[u"name"].toString());
        QCOMPARE(order,
                 QStringList({"Sooner 2", "Sooner 1", "In later", "Top A", "Top B", "Orphan"}));
        QCOMPARE(text(projects, QStringLiteral("3/id")),
                 QStringLiteral("33333333-3333-3333-3333-333333333333"));
        QCOMPARE(at(projects, QStringLiteral("3/openCards")).toInt(), 2);
        QCOMPARE(at(projects, QStringLiteral("3/overdueCards")).toInt(), 1);
        QCOMPARE(text(projects, QStringLiteral("0/folder")), QStringLiteral("Sooner"));
        QVERIFY(at(projects, QStringLiteral("3/folder")).isNull());
        QCOMPARE(text(projects, QStringLiteral("3/deploy/state")), QStringLiteral("notConfigured"));
        QVERIFY(at(projects, QStringLiteral("3/github")).isNull());
        QVERIFY(at(projects, QStringLiteral("3/attention")).isNull());

        const QString czech = QString::fromUtf8(quaylin({QStringLiteral("status")}).out);
        QVERIFY(czech.contains(QStringLiteral("Top A — Git nedostupný — 2 otevřených úkolů\n")));
        QCOMPARE(czech.count(u'\n'), 6);
        Preferences::open().setValue(QLatin1String(Preferences::languageKey), QStringLiteral("en"));
        const QString english = QString::fromUtf8(quaylin({QStringLiteral("status")}).out);
        QVERIFY(english.contains(QStringLiteral("Top A — Git unavailable — 2 open tasks\n")));
    }

    void statusShowsTheLiveStateOfTheServices()
    {
        FakeService service;
        service.serve(
            QStringLiteral("/api/v1/sites/ok/deploys"), 200,
            R"([{"id": "n2", "state": "current", "created_at": "2026-12-06T09:00:00.5Z", "branch": "main"},
                          {"id": "n1", "state": "error", "created_at": "2026-12-05T09:00:00Z"}])");
        service.serve(QStringLiteral("/api/v1/sites/broken/deploys"), 200,
                      R"([{"id": "b1", "state": "error", "created_at": "2026-12-06T09:00:00Z"}])");
        service.serve(
            QStringLiteral("/api/v1/sites/denied/deploys"), 401,
            FakeService::fixture(QStringLiteral("github-error-401-bad-credentials.json")));
        service.serve(
            QStringLiteral("/v6/deployments"), 200,
            R"({"deployments": [{"uid": "v1", "created": 1500, "readyState": "QUEUED"}]})");
        service.serve(QStringLiteral("/repos/octo/hello/pulls"), 200,
                      R"([{"head": {"ref": "main"}}, {"head": {"ref": "main"}}])");
        service.serve(QStringLiteral("/repos/octo/hello/commits/main/check-runs"), 200,
                      R"({"check_runs": [{"status": "completed", "conclusion": "timed_out"}]})");
        const QString repo = env->root() + QStringLiteral("/hello");
        QVERIFY(makeRepository(repo));
        QVERIFY(writeFile(dataFile(),
                          readFile(QStringLiteral(QUAYLIN_TEST_DATA_DIR "/cli/live-services.json"))
                              .replace("REPO", repo.toUtf8())));
        const auto before = snapshot(env->root());
        QProcessEnvironment extra;
        extra.insert(QStringLiteral("NETLIFY_AUTH_TOKEN"), QStringLiteral("netlify-secret"));
        extra.insert(QStringLiteral("VERCEL_TOKEN"), QStringLiteral("vercel-secret"));
        extra.insert(QStringLiteral("GITHUB_TOKEN"), QStringLiteral("  github-secret "));
        for (const char *name : {"QUAYLIN_NETLIFY_API", "QUAYLIN_VERCEL_API", "QUAYLIN_GITHUB_API"})
            extra.insert(QLatin1String(name), service.base().toString());

        const QJsonValue projects = status(extra);
        QCOMPARE(snapshot(env->root()), before); // no fix card, nothing saved
        const QList<std::pair<QString, QString>> expected{
            {"0/deploy/state", "ready"},
            {"0/deploy/deployedAt", "2026-12-06T09:00:00.500Z"},
            {"0/deploy/deploys/0/branch", "main"},
            {"0/deploy/deploys/1/createdAt", "2026-12-05T09:00:00.000Z"},
            {"1/deploy/state", "error"},
            {"1/deploy/label", "Chyba: build selhal"},
            {"1/attention", "Deploy selhal"},
            {"2/deploy/message", "HTTP 401"},
            {"3/deploy/state", "building"},
            {"3/deploy/deploys/0/createdAt", "1970-01-01T00:00:01.500Z"},
            {"4/deploy/state", "notConfigured"},
            {"4/github/checks", "failure"},
            {"4/github/label", "2 PR · CI selhalo"},
        };
        for (const auto &[path, value] : expected)
            QCOMPARE(text(projects, path), value);
        QVERIFY(at(projects, QStringLiteral("0/deploy/deploys/1/branch")).isNull());
        QVERIFY(at(projects, QStringLiteral("0/github")).isNull());
        for (const RecordedRequest &request : service.requests())
            QVERIFY(request.headers.value("authorization").startsWith("Bearer ") &&
                    request.headers.value("authorization").endsWith("-secret"));

        const Result line = quaylin({QStringLiteral("status")}, extra);
        QVERIFY(!line.out.contains("secret") && !line.err.contains("secret"));
        QVERIFY(
            line.out.contains("Broken — Git nedostupný — Chyba: build selhal — ⚠ Deploy selhal\n"));
    }

    void exportWritesABackupOrFails()
    {
        const QString target = env->root() + QStringLiteral("/out dir/záloha.json");
        QDir().mkpath(QFileInfo(target).path());
        QVERIFY(writeFile(dataFile(),
                          R"({"labels": [], "projects": [{"name": "A", "localPath": "/a"}]})"));
        QCOMPARE(quaylin({QStringLiteral("export"), target}).exitCode, 0);
        const auto backup = std::get<StoreData>(
            RecordJson::decodeDocument(readFile(target), QDateTime::currentDateTimeUtc()));
        QVERIFY(backup.didSeed);
        QCOMPARE(backup.labels.size(), 6);
        QCOMPARE(readFile(target), RecordJson::encodeDocument(backup));
        QCOMPARE(quaylin({QStringLiteral("export"), env->root() + QStringLiteral("/no/x.json")})
                     .exitCode,
                 1);
        QVERIFY(writeFile(dataFile(), "\xff not json"));
        QCOMPARE(quaylin({QStringLiteral("export"), target}).exitCode, 1);
        QCOMPARE(readFile(dataFile()), QByteArray("\xff not json"));
    }

    void usageAndVersion()
    {
        QCOMPARE(quaylin({QStringLiteral("--help")}).exitCode, 0);
        QVERIFY(quaylin({QStringLiteral("--version")}).out.startsWith("quaylin " QUAYLIN_VERSION));
        for (const char *bad : {"frobnicate", "status --xml", "export", "add --name", "--bogus"}) {
            const Result result = quaylin(QString::fromLatin1(bad).split(u' '));
            QCOMPARE(result.exitCode, 2);
            QVERIFY(result.err.contains("Usage") && result.out.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_cli.moc"
