// SPDX-License-Identifier: MIT
// The `quaylin` command as a user runs it: a real process over a temporary data folder.
#include "model/recordjson.h"
#include "services/preferences.h"
#include "support/fakeservice.h"
#include "support/testenvironment.h"
#include "version.h"

#include <QtTest> // brings all of QtCore: QDirIterator, QJsonDocument, QLockFile, QProcess

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

struct Result {
    int exitCode = -1;
    QByteArray out, err;
};

// How the command is run, beside its arguments.
struct Call {
    QProcessEnvironment extra{};
    QString workingDirectory{};
    QString outputFile{}; // standard output goes there instead of being read
    std::chrono::milliseconds timeout{60'000};
    std::function<void()> childSetup{}; // runs in the child before the command starts
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

    // No tokens, no reachable services and no colour settings unless a test brings them.
    static QProcessEnvironment environment(const QProcessEnvironment &extra)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name :
             {"NETLIFY_AUTH_TOKEN", "VERCEL_TOKEN", "GH_TOKEN", "GITHUB_TOKEN", "NO_COLOR"})
            environment.remove(QLatin1String(name));
        for (const char *name : {"QUAYLIN_NETLIFY_API", "QUAYLIN_VERCEL_API", "QUAYLIN_GITHUB_API"})
            environment.insert(QLatin1String(name), u"http://127.0.0.1:9"_s);
        environment.insert(extra);
        return environment;
    }

    Result quaylin(const QStringList &arguments, const Call &call = {})
    {
        QProcess process;
        process.setProcessEnvironment(environment(call.extra));
        if (call.childSetup)
            process.setChildProcessModifier(call.childSetup);
        process.setWorkingDirectory(call.workingDirectory.isEmpty() ? env->root()
                                                                    : call.workingDirectory);
        if (!call.outputFile.isEmpty())
            process.setStandardOutputFile(call.outputFile);
        // Waiting through the event loop lets a fake service in this process answer.
        QSignalSpy finished(&process, &QProcess::finished);
        process.start(QStringLiteral(QUAYLIN_BINARY), arguments);
        if (!finished.wait(int(call.timeout.count())))
            return {}; // the process is killed with `process`
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    QJsonValue status(const QProcessEnvironment &extra = {})
    {
        return QJsonDocument::fromJson(
            quaylin({u"status"_s, u"--json"_s}, {.extra = extra}).out)[u"projects"];
    }

    // `quaylin status` on a terminal (through script(1)): what it printed, carriage returns
    // removed.
    QString statusOnATerminal(const QStringList &options, const QProcessEnvironment &extra = {})
    {
        QString command = QStringLiteral("'" QUAYLIN_BINARY "' status");
        for (const QString &option : options)
            command += u" '"_s + option + u'\'';
        QProcess script;
        QProcessEnvironment terminal = environment(extra);
        terminal.insert(u"TERM"_s, u"xterm"_s);
        script.setProcessEnvironment(terminal);
        QSignalSpy finished(&script, &QProcess::finished);
        script.start(u"script"_s, {u"-qec"_s, command, u"/dev/null"_s});
        if (!finished.wait(60'000) || script.exitCode() != 0)
            return {};
        return QString::fromUtf8(script.readAllStandardOutput()).remove(u'\r');
    }

private Q_SLOTS:
    void init() { env = std::make_unique<TestEnvironment>(); }

    void addTracksAwkwardPathsAndStatusReadsThem()
    {
        const QString root = env->root() + u"/projects/"_s;
        const QStringList names{u"with space"_s, u"quote\"d 'x'"_s, u"new\nline"_s,
                                u"Příliš žluťoučký"_s};
        for (const QString &name : names) {
            QVERIFY(makeRepository(root + name));
            const Result added = quaylin({u"add"_s, root + name});
            QCOMPARE(added.exitCode, 0);
            QCOMPARE(added.out.count('\n'), 1); // one line, its line break escaped
            QVERIFY(added.out.startsWith("Added 📦 "));
        }
        QCOMPARE(quaylin({u"add"_s, root + u"with space/README"_s}).err,
                 "quaylin: " + (root + u"with space/README"_s).toUtf8() + " is not a folder\n");
        // The current folder by default; name and emoji trimmed, two characters of emoji kept.
        QDir().mkpath(root + u"plain"_s);
        const QStringList plain{u"add"_s, u"--name"_s, u" Plain "_s, u"--emoji= 🇨🇿🚀x "_s};
        QCOMPARE(quaylin(plain, {.workingDirectory = root + u"plain"_s}).exitCode, 0);
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
    }

    // The states of the git reader's table that --json adds, on real repositories, and the
    // commits' times in the interface language.
    void statusReportsTheGitStatesAndCommitTimes()
    {
        QVERIFY(gitScript(env->root(), uR"(tracking
GIT_COMMITTER_DATE='2026-01-02T03:04:05+01:00' git -C work commit -q --allow-empty -m dated
git -C work push -q origin main; echo x >>work/README; git -C work stash -q
repo plain; git -C plain checkout -q --detach; git -C plain bisect start
git clone -q up.git fresh; git -C fresh checkout -qb feature; commits fresh 1
mkdir r; cd r; conflict; git checkout -q side; ! git rebase -q main 2>/dev/null)"_s));
        for (const char *name : {"work", "plain", "fresh", "r/work"})
            QCOMPARE(quaylin({u"add"_s, env->root() + u'/' + QLatin1String(name)}).exitCode, 0);
        QSettings(u"Quaylin"_s, u"Quaylin"_s)
            .setValue(QLatin1String(Preferences::languageKey), u"en"_s);
        const QJsonValue projects = status();
        const QList<std::pair<const char *, QJsonValue>> expected{
            {"0/git/stashes", 1},
            {"0/git/upstream", u"origin/main"_s},
            {"0/git/detached", false},
            {"0/git/operation", QJsonValue::Null},
            {"1/git/detached", true},
            {"1/git/operation", u"bisect"_s},
            {"1/git/upstream", QJsonValue::Null},
            {"2/git/upstream", QJsonValue::Null},
            {"2/attention", u"Branch never pushed"_s},
            {"3/git/operation", u"rebase"_s},
            {"3/git/detached", true},
            {"3/attention", u"Rebase in progress"_s},
            {"0/commits/0/message", u"dated"_s}};
        for (const auto &[path, value] : expected)
            QCOMPARE(at(projects, QLatin1String(path)), value);
        QCOMPARE(text(projects, u"1/git/commit"_s).size(), 7);
        const QString date = text(projects, u"0/commits/0/date"_s);
        QCOMPARE(QDateTime::fromString(date, Qt::ISODate),
                 QDateTime(QDate(2026, 1, 2), QTime(2, 4, 5), Qt::UTC));
        QVERIFY(date.endsWith(u'Z') || date.at(date.size() - 3) == u':');
        QVERIFY(text(projects, u"0/commits/0/relativeDate"_s).endsWith(u" ago"_s));
    }

    void addRefusesRepeatsAndWritesNothing()
    {
        const QString root = env->root() + u"/projects/"_s;
        QDir().mkpath(root + u"plain"_s);
        QCOMPARE(quaylin({u"add"_s, root + u"plain"_s, u"--name=Plain"_s}).exitCode, 0);
        // A refused add writes nothing; a link to a tracked folder is that folder.
        QVERIFY(QFile::link(root + u"plain"_s, env->root() + u"/alias"_s));
        const auto before = snapshot(env->root());
        const Result again = quaylin({u"add"_s, root + u"plain/./"_s});
        QCOMPARE(again.exitCode, 1);
        QCOMPARE(again.err.count('\n'), 1);
        const Result alias = quaylin({u"add"_s, env->root() + u"/alias"_s});
        QCOMPARE(alias.exitCode, 1);
        QVERIFY(alias.err.endsWith("is already tracked as Plain\n"));
        QCOMPARE(quaylin({u"add"_s, env->root() + u"/missing"_s}).exitCode, 1);
        QCOMPARE(snapshot(env->root()), before);
        QVERIFY(writeFile(dataFile(), "{ broken"));
        QCOMPARE(quaylin({u"add"_s, env->root()}).exitCode, 1);
        QCOMPARE(readFile(dataFile()), QByteArray("{ broken"));
    }

    void addStoresOptionsAndTheOriginRemote()
    {
        const QString site = env->root() + u"/site"_s, other = env->root() + u"/other"_s;
        QVERIFY(makeRepository(site) && makeRepository(other));
        QVERIFY(
            runGit(site, {u"remote"_s, u"add"_s, u"origin"_s, u"git@github.com:acme/site.git"_s}));
        QVERIFY(runGit(
            other, {u"remote"_s, u"add"_s, u"origin"_s, u"https://github.com/acme/other.git"_s}));
        const Result added = quaylin({u"add"_s, site, u"--site"_s, u" https://acme.example \n"_s,
                                      u"--netlify-site= "_s, u"--vercel-project"_s, u"prj_1"_s,
                                      u"--status"_s, u"parked"_s});
        QCOMPARE(added.exitCode, 0);
        QCOMPARE(added.out, "Added 📦 site: " + site.toUtf8() +
                                " (GitHub https://github.com/acme/site, from its origin remote)\n");
        // An empty --github means none: the origin is not asked.
        QCOMPARE(quaylin({u"add"_s, other, u"--github"_s, u""_s, u"--status=done"_s}).exitCode, 0);

        const auto saved = std::get<StoreData>(
            RecordJson::decodeDocument(readFile(dataFile()), QDateTime::currentDateTimeUtc()));
        const ProjectConfig &first = saved.projects[0], &second = saved.projects[1];
        QCOMPARE(first.siteURL, u"https://acme.example"_s);
        QCOMPARE(first.githubURL, u"https://github.com/acme/site"_s);
        QCOMPARE(first.netlifySiteID, std::nullopt);
        QCOMPARE(first.vercelProjectID, u"prj_1"_s);
        QCOMPARE(first.status, ProjectStatus::Parked);
        QCOMPARE(second.githubURL, std::nullopt);
        QCOMPARE(second.status, ProjectStatus::Done);
    }

    void addWaitsBrieflyForTheLockButNotForTheApplication()
    {
        const QString folder = env->root() + u"/folder"_s;
        QDir().mkpath(folder);
        QDir().mkpath(env->dataDir());
        // Another add holds the lock for a moment: it is waited for.
        QLockFile lock(env->dataDir() + u"/store.json.lock"_s);
        QVERIFY(lock.tryLock(0));
        QObject unlocker; // gone before the lock, should the test end early
        QTimer::singleShot(300ms, &unlocker, [&lock] { lock.unlock(); });
        QCOMPARE(quaylin({u"add"_s, folder}).exitCode, 0);
        // The application holds it for good.
        QVERIFY(lock.tryLock(0));
        const Result locked = quaylin({u"add"_s, env->root()});
        QCOMPARE(locked.exitCode, 1);
        QVERIFY(locked.err.contains("application is running"));
    }

    void addReportsASaveThatFailsAndKeepsTheDataFile()
    {
        // The project does not fit in a file of 32 KiB.
        const QByteArray big =
            R"({"didSeed": true, "projects": [{"name": "Big", "localPath": "/b", "siteURL": "BIG"}]})"_ba
                .replace("BIG", QByteArray(64 * 1024, 'x'));
        QVERIFY(writeFile(dataFile(), big));
        const auto smallFiles = [] {
            const rlimit limit{32 * 1024, 32 * 1024};
            ::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &limit);
        };
        const Result unsaved = quaylin({u"add"_s, env->root()}, {.childSetup = smallFiles});
        QCOMPARE(unsaved.exitCode, 1);
        QVERIFY(unsaved.err.startsWith("quaylin: the project was not added: "));
        QCOMPARE(readFile(dataFile()), big);
    }

    // A lock that cannot be made is not taken for a running application.
    void addReportsALockFileItCannotMake()
    {
        QDir().mkpath(env->dataDir());
        if (::geteuid() != 0) {
            QVERIFY(QFile::setPermissions(env->dataDir(), QFile::ReadOwner | QFile::ExeOwner));
            const Result denied = quaylin({u"add"_s, env->root()});
            QVERIFY(QFile::setPermissions(env->dataDir(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            QCOMPARE(denied.exitCode, 1);
            QVERIFY(denied.err.contains("cannot create the lock file"));
            QVERIFY(denied.err.contains("permission denied"));
        }
        QVERIFY(QDir(env->dataDir()).removeRecursively() && writeFile(env->dataDir(), "a file"));
        const Result blocked = quaylin({u"add"_s, env->root()});
        QCOMPARE(blocked.exitCode, 1);
        QVERIFY(blocked.err.contains("cannot create the lock file"));
    }

    void statusWritesNothingAndEnds_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no data file") << QByteArray() << 0;
        QTest::newRow("unreadable") << QByteArray("[1, 2") << 1;
        QTest::newRow("no projects") << QByteArray(R"({"projects": []})") << 0;
        QTest::newRow("unseeded, duplicate indices")
            << QByteArray(R"({"projects": [{"name": "A", "localPath": "/a", "sortIndex": 1},
                                            {"name": "B", "localPath": "/b", "sortIndex": 1}]})")
            << 0;
    }

    // With every token in the environment nothing waits for the keychain either, so with no
    // project there is nothing to wait for at all.
    void statusWritesNothingAndEnds()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, exitCode);
        if (!contents.isEmpty())
            QVERIFY(writeFile(dataFile(), contents));
        const auto before = snapshot(env->root());
        QProcessEnvironment tokens;
        for (const char *name : {"NETLIFY_AUTH_TOKEN", "VERCEL_TOKEN", "GH_TOKEN"})
            tokens.insert(QLatin1String(name), u"secret"_s);
        for (const QStringList &arguments :
             {QStringList{u"status"_s}, {u"status"_s, u"--json"_s}}) {
            const Result result = quaylin(arguments, {.extra = tokens, .timeout = 10s});
            QCOMPARE(result.exitCode, exitCode);
            if (exitCode == 1) {
                QVERIFY(result.out.isEmpty());
                QVERIFY(result.err.contains("cannot be read"));
            }
        }
        if (exitCode == 0)
            QVERIFY(status().isArray());
        QCOMPARE(snapshot(env->root()), before);
    }

    void failedWritesToStandardOutputExit1()
    {
        QVERIFY(writeFile(dataFile(), R"({"projects": [{"name": "A", "localPath": "/a"}]})"));
        for (const char *command : {"status", "status --json", "export -"}) {
            const Result result =
                quaylin(QString::fromLatin1(command).split(u' '), {.outputFile = u"/dev/full"_s});
            QCOMPARE(result.exitCode, 1);
            QVERIFY(result.err.contains("standard output: No space left on device"));
        }
    }

    void statusTextIsEscapedAndAlignedAndColouredOnATerminal()
    {
        FakeService service;
        service.serve(u"/api/v1/sites/bad/deploys"_s, 200,
                      R"([{"id": "b1", "state": "error", "created_at": "2026-12-06T09:00:00Z",
                           "error_message": "\u001b[2Jboom\r\nFORGED"}])");
        const QString repo = env->root() + u"/repo"_s;
        QVERIFY(makeRepository(repo));
        QVERIFY(writeFile(dataFile(), R"({"didSeed": true, "projects": [
            {"name": "evil\u001b]0;pwned\u0007\nFORGED", "localPath": "REPO",
             "netlifySiteID": "bad", "sortIndex": 1},
            {"name": "日本", "localPath": "/nowhere", "sortIndex": 2}]})"_ba.replace(
                                          "REPO", repo.toUtf8())));
        QProcessEnvironment extra;
        extra.insert(u"NETLIFY_AUTH_TOKEN"_s, u"secret"_s);
        extra.insert(u"QUAYLIN_NETLIFY_API"_s, service.base().toString());

        // Piped: one line per project, nothing raw.
        const QString name = u"📦 evil\\x1b]0;pwned\\x07\\nFORGED"_s;
        const QString failed = u"Chyba: \\x1b[2Jboom\\r\\nFORGED"_s;
        QCOMPARE(QString::fromUtf8(quaylin({u"status"_s}, {.extra = extra}).out),
                 name + u" — main · čisto — "_s + failed + u" — ⚠ Deploy selhal\n"_s +
                     u"📦 日本 — Git nedostupný\n"_s);
        // JSON keeps the texts as they are; its writer escapes them.
        const QJsonValue projects = status(extra);
        QCOMPARE(text(projects, u"0/name"_s), u"evil\x1b]0;pwned\x07\nFORGED"_s);
        QCOMPARE(text(projects, u"0/deploy/message"_s), u"\x1b[2Jboom\r\nFORGED"_s);

        // A terminal: columns aligned by their width on screen ("日本" takes four), git and
        // deployment in their status colours unless colour is switched off.
        if (QStandardPaths::findExecutable(u"script"_s).isEmpty())
            QSKIP("script(1) is needed to run status on a terminal");
        // Every character of `name` takes one column, but the emoji two in two UTF-16 units.
        const QString padding(name.size() - 7, u' ');
        const auto table = [&](bool colors) -> QString {
            const auto paint = [&](const char *code, const QString &text) -> QString {
                return colors ? u"\x1b["_s + QLatin1String(code) + u'm' + text + u"\x1b[0m"_s
                              : text;
            };
            return name + u"  "_s + paint("32", u"main · čisto"_s) + u"    "_s +
                   paint("31", failed) + u"  ⚠ Deploy selhal\n📦 日本"_s + padding + u"  "_s +
                   paint("90", u"Git nedostupný"_s) + u'\n';
        };
        QCOMPARE(statusOnATerminal({}, extra), table(true));
        QCOMPARE(statusOnATerminal({u"--no-color"_s}, extra), table(false));
        extra.insert(u"NO_COLOR"_s, u"1"_s);
        QCOMPARE(statusOnATerminal({}, extra), table(false));
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
        QVERIFY(czech.contains(u"Top A — Git nedostupný — 2 otevřené úkoly\n"_s));
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
        // Only a failed preview among the latest: the newest production deployment is asked.
        service.serve(u"/v6/deployments"_s, 200,
                      R"({"deployments": [{"uid": "v2", "created": 2500, "readyState": "ERROR",
                          "target": null, "meta": {"githubCommitRef": "feature"}}]})");
        service.serve(
            u"/v6/deployments?projectId=prj&target=production&limit=1"_s, 200,
            R"({"deployments": [{"uid": "v1", "created": 1500, "readyState": "QUEUED", "target": "production"}]})");
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
            {"0/deploy/deploys/0/context", "production"},
            {"0/deploy/deploys/1/createdAt", "2026-12-05T09:00:00.000Z"},
            {"1/deploy/state", "error"},
            {"1/deploy/label", "Chyba: build selhal"},
            {"1/attention", "Deploy selhal"},
            {"2/deploy/message", "HTTP 401"},
            {"3/deploy/state", "building"},
            {"3/deploy/deploys/0/context", "preview"},
            {"3/deploy/deploys/1/context", "production"},
            {"3/deploy/deploys/1/createdAt", "1970-01-01T00:00:01.500Z"},
            {"4/deploy/state", "notConfigured"},
            {"4/github/checks", "failure"},
            {"4/github/label", "2 PR · CI selhalo"}};
        for (const auto &[path, value] : expected)
            QCOMPARE(text(projects, path), value);
        QVERIFY(at(projects, u"0/deploy/deploys/1/branch"_s).isNull());
        QVERIFY(at(projects, u"0/github"_s).isNull());
        QVERIFY(at(projects, u"3/attention"_s).isNull());
        for (const RecordedRequest &request : service.requests())
            QVERIFY(request.headers.value("authorization").startsWith("Bearer ") &&
                    request.headers.value("authorization").endsWith("-secret"));

        const Result line = quaylin({u"status"_s}, {.extra = extra});
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
        // "-" writes the same bytes to standard output.
        QVERIFY(writeFile(dataFile(), readFile(target)));
        QCOMPARE(quaylin({u"export"_s, u"-"_s}).out, readFile(target));

        // What is not a regular file is never replaced, and the reasons are given.
        const QString fifo = env->root() + u"/fifo"_s;
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QList<std::pair<QString, QByteArray>> refused{
            {fifo, " is not a regular file; nothing written\n"},
            {QFileInfo(target).path(), " is a folder; nothing written\n"},
            {env->root() + u"/no/x.json"_s, " (no such folder)\n"}};
        for (const auto &[path, reason] : refused) {
            const Result result = quaylin({u"export"_s, path}, {.timeout = 10s});
            QCOMPARE(result.exitCode, 1);
            QVERIFY2(result.err.endsWith(reason), result.err.constData());
        }
        QVERIFY(QFileInfo(fifo).isSymLink() || !QFileInfo(fifo).isFile());
        QVERIFY(QFileInfo(QFileInfo(target).path()).isDir());
        QVERIFY(writeFile(dataFile(), "\xff not json"));
        QCOMPARE(quaylin({u"export"_s, target}).exitCode, 1);
        QCOMPARE(readFile(dataFile()), QByteArray("\xff not json"));
    }

    void usageAndVersion()
    {
        QCOMPARE(quaylin({u"--help"_s}).exitCode, 0);
        QVERIFY(quaylin({u"--version"_s}).out.startsWith("quaylin " QUAYLIN_VERSION));
        for (const char *bad : {"frobnicate", "status --xml", "export", "add --name",
                                "add --status frozen", "--bogus"}) {
            const Result result = quaylin(QString::fromLatin1(bad).split(u' '));
            QCOMPARE(result.exitCode, 2);
            QVERIFY(result.err.contains("Usage") && result.out.isEmpty());
        }
    }
}; // namespace

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_cli.moc"
