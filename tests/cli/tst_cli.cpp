// SPDX-License-Identifier: MIT
// The `quaylin` command as a user runs it: a real process over a temporary data folder.
#include "locale/preferences.h"
#include "model/recordjson.h"
#include "support/fakeservice.h"
#include "support/testenvironment.h"

#include <QtTest> // brings all of QtCore: QDirIterator, QJsonDocument, QLockFile, QProcess

using namespace Qt::StringLiterals;

namespace {

struct Result {
    int exitCode = -1;
    QByteArray out, err;
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

} // namespace

class CommandLineTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;

    QString dataFile() const { return env->dataDir() + u"/store.json"_s; }
    static QString text(const QJsonValue &v, const QString &path) { return at(v, path).toString(); }

    Result quaylin(const QStringList &arguments, const QProcessEnvironment &extra = {},
                   const QString &workingDirectory = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // No tokens and no reachable services unless a test brings them.
        for (const char *name : {"NETLIFY_AUTH_TOKEN", "VERCEL_TOKEN", "GH_TOKEN", "GITHUB_TOKEN"})
            environment.remove(QLatin1String(name));
        for (const char *name : {"QUAYLIN_NETLIFY_API", "QUAYLIN_VERCEL_API", "QUAYLIN_GITHUB_API"})
            environment.insert(QLatin1String(name), u"http://127.0.0.1:9"_s);
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
        return QJsonDocument::fromJson(quaylin({u"status"_s, u"--json"_s}, extra).out)[u"projects"];
    }

private Q_SLOTS:
    void init() { env = std::make_unique<TestEnvironment>(); }

    void addTracksAwkwardPathsRefusesRepeatsAndStatusReadsThem()
    {
        const QString root = env->root() + u"/projects/"_s;
        const QStringList names{u"with space"_s, u"quote\"d 'x'"_s, u"new\nline"_s,
                                u"Příliš žluťoučký"_s};
        for (const QString &name : names) {
            QVERIFY(makeRepository(root + name));
            QCOMPARE(quaylin({u"add"_s, root + name}).exitCode, 0);
        }
        // The current folder by default; name and emoji trimmed, two characters of emoji kept.
        QDir().mkpath(root + u"plain"_s);
        const QStringList plain{u"add"_s, u"--name"_s, u" Plain "_s, u"--emoji= 🇨🇿🚀x "_s};
        QCOMPARE(quaylin(plain, {}, root + u"plain"_s).exitCode, 0);
        const auto saved = std::get<StoreData>(
            RecordJson::decodeDocument(readFile(dataFile()), QDateTime::currentDateTimeUtc()));
        QCOMPARE(saved.projects[1].sortIndex, 2.0);
        QCOMPARE(saved.projects[0].emoji, u"📦"_s);
        QCOMPARE(saved.projects[4].name, u"Plain"_s);
        QCOMPARE(saved.projects[4].emoji, u"🇨🇿🚀"_s);

        const QJsonValue projects = status();
        QCOMPARE(projects.toArray().size(), 5);
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(text(projects, u"%1/name"_s.arg(i)), names[i]);
            QCOMPARE(text(projects, u"%1/localPath"_s.arg(i)), root + names[i]);
            QCOMPARE(text(projects, u"%1/git/label"_s.arg(i)), u"main · čisto"_s);
        }
        QCOMPARE(text(projects, u"3/commits/0/message"_s), u"first commit"_s);
        QCOMPARE(text(projects, u"4/git/state"_s), u"notAvailable"_s);
        QVERIFY(at(projects, u"4/git/branch"_s).isUndefined());

        // A refused add writes nothing.
        const auto before = snapshot(env->root());
        const Result again = quaylin({u"add"_s, root + u"plain/./"_s});
        QCOMPARE(again.exitCode, 1);
        QCOMPARE(again.err.count('\n'), 1);
        QCOMPARE(quaylin({u"add"_s, env->root() + u"/missing"_s}).exitCode, 1);
        QLockFile lock(env->dataDir() + u"/store.json.lock"_s);
        QVERIFY(lock.tryLock(0));
        const Result locked = quaylin({u"add"_s, env->root()});
        QCOMPARE(locked.exitCode, 1);
        QVERIFY(locked.err.contains("running"));
        lock.unlock();
        QCOMPARE(snapshot(env->root()), before);
        QVERIFY(writeFile(dataFile(), "{ broken"));
        QCOMPARE(quaylin({u"add"_s, env->root()}).exitCode, 1);
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
        QCOMPARE(quaylin({u"status"_s}).exitCode, 0);
        QVERIFY(status().isArray());
        QCOMPARE(snapshot(env->root()), before);
    }

    void statusOrdersLikeTheSidebarCountsCardsAndSpeaksTheLanguage()
    {
        QVERIFY(writeFile(dataFile(),
                          readFile(QStringLiteral(QUAYLIN_TEST_DATA_DIR "/cli/sidebar.json"))));
        const QJsonValue projects = status();
        const QStringList order{"Sooner 2", "Sooner 1", "In later", "Top A", "Top B", "Orphan"};
        for (int i = 0; i < order.size(); ++i)
            QCOMPARE(text(projects, u"%1/name"_s.arg(i)), order[i]);
        QCOMPARE(text(projects, u"3/id"_s), u"33333333-3333-3333-3333-333333333333"_s);
        QCOMPARE(at(projects, u"3/openCards"_s).toInt(), 2);
        QCOMPARE(at(projects, u"3/overdueCards"_s).toInt(), 1);
        QCOMPARE(text(projects, u"0/folder"_s), u"Sooner"_s);
        QVERIFY(at(projects, u"3/folder"_s).isNull());
        QVERIFY(at(projects, u"3/attention"_s).isNull());

        const QString czech = QString::fromUtf8(quaylin({u"status"_s}).out);
        QVERIFY(czech.contains(u"Top A — Git nedostupný — 2 otevřených úkolů\n"_s));
        QCOMPARE(czech.count(u'\n'), 6);
        QSettings(u"Quaylin"_s, u"Quaylin"_s)
            .setValue(QLatin1String(Preferences::languageKey), u"en"_s);
        const QString english = QString::fromUtf8(quaylin({u"status"_s}).out);
        QVERIFY(english.contains(u"Top A — Git unavailable — 2 open tasks\n"_s));
    }

    void statusShowsTheLiveStateOfTheServices()
    {
        FakeService service;
        service.serve(
            u"/api/v1/sites/ok/deploys"_s, 200,
            R"([{"id": "n2", "state": "current", "created_at": "2026-12-06T09:00:00.5Z", "branch": "main"},
                          {"id": "n1", "state": "error", "created_at": "2026-12-05T09:00:00Z"}])");
        service.serve(u"/api/v1/sites/broken/deploys"_s, 200,
                      R"([{"id": "b1", "state": "error", "created_at": "2026-12-06T09:00:00Z"}])");
        service.serve(u"/api/v1/sites/denied/deploys"_s, 401,
                      FakeService::fixture(u"github-error-401-bad-credentials.json"_s));
        service.serve(
            u"/v6/deployments"_s, 200,
            R"({"deployments": [{"uid": "v1", "created": 1500, "readyState": "QUEUED"}]})");
        service.serve(u"/repos/octo/hello/pulls"_s, 200,
                      R"([{"head": {"ref": "main"}}, {"head": {"ref": "main"}}])");
        service.serve(u"/repos/octo/hello/commits/main/check-runs"_s, 200,
                      R"({"check_runs": [{"status": "completed", "conclusion": "timed_out"}]})");
        const QString repo = env->root() + u"/hello"_s;
        QVERIFY(makeRepository(repo));
        QVERIFY(writeFile(dataFile(),
                          readFile(QStringLiteral(QUAYLIN_TEST_DATA_DIR "/cli/live-services.json"))
                              .replace("REPO", repo.toUtf8())));
        const auto before = snapshot(env->root());
        QProcessEnvironment extra;
        extra.insert(u"NETLIFY_AUTH_TOKEN"_s, u"netlify-secret"_s);
        extra.insert(u"VERCEL_TOKEN"_s, u"vercel-secret"_s);
        extra.insert(u"GITHUB_TOKEN"_s, u"  github-secret "_s);
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
            {"4/github/label", "2 PR · CI selhalo"}};
        for (const auto &[path, value] : expected)
            QCOMPARE(text(projects, path), value);
        QVERIFY(at(projects, u"0/deploy/deploys/1/branch"_s).isNull());
        QVERIFY(at(projects, u"0/github"_s).isNull());
        for (const RecordedRequest &request : service.requests())
            QVERIFY(request.headers.value("authorization").startsWith("Bearer ") &&
                    request.headers.value("authorization").endsWith("-secret"));

        const Result line = quaylin({u"status"_s}, extra);
        QVERIFY(!line.out.contains("secret") && !line.err.contains("secret"));
        QVERIFY(
            line.out.contains("Broken — Git nedostupný — Chyba: build selhal — ⚠ Deploy selhal\n"));
    }

    void exportWritesABackupOrFails()
    {
        const QString target = env->root() + u"/out dir/záloha.json"_s;
        QDir().mkpath(QFileInfo(target).path());
        QVERIFY(writeFile(dataFile(),
                          R"({"labels": [], "projects": [{"name": "A", "localPath": "/a"}]})"));
        QCOMPARE(quaylin({u"export"_s, target}).exitCode, 0);
        const auto backup = std::get<StoreData>(
            RecordJson::decodeDocument(readFile(target), QDateTime::currentDateTimeUtc()));
        QVERIFY(backup.didSeed);
        QCOMPARE(backup.labels.size(), 6);
        QCOMPARE(readFile(target), RecordJson::encodeDocument(backup));
        QCOMPARE(quaylin({u"export"_s, env->root() + u"/no/x.json"_s}).exitCode, 1);
        QVERIFY(writeFile(dataFile(), "\xff not json"));
        QCOMPARE(quaylin({u"export"_s, target}).exitCode, 1);
        QCOMPARE(readFile(dataFile()), QByteArray("\xff not json"));
    }

    void usageAndVersion()
    {
        QCOMPARE(quaylin({u"--help"_s}).exitCode, 0);
        QVERIFY(quaylin({u"--version"_s}).out.startsWith("quaylin " QUAYLIN_VERSION));
        for (const char *bad : {"frobnicate", "status --xml", "export", "add --name", "--bogus"}) {
            const Result result = quaylin(QString::fromLatin1(bad).split(u' '));
            QCOMPARE(result.exitCode, 2);
            QVERIFY(result.err.contains("Usage") && result.out.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_cli.moc"
