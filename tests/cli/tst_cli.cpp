// SPDX-License-Identifier: MIT
#include "model/recordjson.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QtTest>

namespace {

struct Result {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Every file below `dir` with its bytes, to prove a command wrote nothing.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, QFileInfo(path).isDir() ? QByteArray("<dir>") : readFile(path));
    }
    return files;
}

} // namespace

class CommandLineTest final : public QObject {
    Q_OBJECT

    TestEnvironment *env = nullptr;

    QString dataFile() const { return env->dataDir() + QStringLiteral("/store.json"); }

    Result quaylin(const QStringList &arguments, const QString &workingDirectory = {})
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // No tokens and no reachable services: the command must still work offline.
        for (const char *name : {"NETLIFY_AUTH_TOKEN", "VERCEL_TOKEN", "GH_TOKEN", "GITHUB_TOKEN"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("QUAYLIN_NETLIFY_API"),
                           QStringLiteral("http://127.0.0.1:9"));
        environment.insert(QStringLiteral("QUAYLIN_VERCEL_API"),
                           QStringLiteral("http://127.0.0.1:9"));
        environment.insert(QStringLiteral("QUAYLIN_GITHUB_API"),
                           QStringLiteral("http://127.0.0.1:9"));
        process.setProcessEnvironment(environment);
        if (!workingDirectory.isEmpty())
            process.setWorkingDirectory(workingDirectory);
        process.start(QStringLiteral(QUAYLIN_BINARY), arguments);
        if (!process.waitForFinished(60'000))
            return {};
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    QJsonArray statusProjects()
    {
        const Result result = quaylin({QStringLiteral("status"), QStringLiteral("--json")});
        if (result.exitCode != 0)
            return {};
        return QJsonDocument::fromJson(result.out).object().value(u"projects").toArray();
    }

private Q_SLOTS:
    void init() { env = new TestEnvironment; }
    void cleanup()
    {
        delete env;
        env = nullptr;
    }

    void addTracksAwkwardPathsAndStatusReadsThem()
    {
        const QString root = env->root() + QStringLiteral("/projects");
        const QStringList names{QStringLiteral("with space"), QStringLiteral("quote\"d 'x'"),
                                QStringLiteral("new\nline"), QStringLiteral("Příliš žluťoučký")};
        for (const QString &name : names) {
            QVERIFY(makeRepository(root + u'/' + name));
            const Result added = quaylin({QStringLiteral("add"), root + u'/' + name});
            QCOMPARE(added.exitCode, 0);
        }
        // Default path is the current folder; name and emoji options as the editor trims them.
        QDir().mkpath(root + QStringLiteral("/plain"));
        QCOMPARE(quaylin({QStringLiteral("add"), QStringLiteral("--name"),
                          QStringLiteral("  Plain  "), QStringLiteral("--emoji= 🇨🇿🚀x ")},
                         root + QStringLiteral("/plain"))
                     .exitCode,
                 0);

        const auto saved = std::get<StoreData>(
            RecordJson::decodeDocument(readFile(dataFile()), QDateTime::currentDateTimeUtc()));
        QCOMPARE(saved.projects.size(), 5);
        QCOMPARE(saved.projects[1].name, QStringLiteral("quote\"d 'x'"));
        QCOMPARE(saved.projects[1].sortIndex, 2.0);
        QCOMPARE(saved.projects[4].name, QStringLiteral("Plain"));
        QCOMPARE(saved.projects[4].emoji, QStringLiteral("🇨🇿🚀"));
        QCOMPARE(saved.projects[4].localPath, root + QStringLiteral("/plain"));
        QCOMPARE(saved.projects[0].emoji, QStringLiteral("📦"));

        const QJsonArray projects = statusProjects();
        QCOMPARE(projects.size(), 5);
        const QJsonObject first = projects[3].toObject(); // "Příliš…", the fourth added
        QCOMPARE(first.value(u"name").toString(), names[3]);
        QCOMPARE(first.value(u"localPath").toString(), root + u'/' + names[3]);
        QCOMPARE(first.value(u"status").toString(), QStringLiteral("development"));
        QVERIFY(first.value(u"folder").isNull());
        const QJsonObject git = first.value(u"git").toObject();
        QCOMPARE(git.value(u"state").toString(), QStringLiteral("clean"));
        QCOMPARE(git.value(u"branch").toString(), QStringLiteral("main"));
        QCOMPARE(git.value(u"label").toString(), QStringLiteral("main · čisto"));
        QCOMPARE(first.value(u"commits").toArray().first().toObject().value(u"message").toString(),
                 QStringLiteral("first commit"));
        QCOMPARE(projects[2].toObject().value(u"localPath").toString(), root + u'/' + names[2]);
        QCOMPARE(projects[2].toObject().value(u"git").toObject().value(u"state").toString(),
                 QStringLiteral("clean"));
        QCOMPARE(projects[4].toObject().value(u"git").toObject().value(u"state").toString(),
                 QStringLiteral("notAvailable"));
        QVERIFY(!projects[4].toObject().value(u"git").toObject().contains(u"branch"));
    }

    void addRefusesWithoutWriting()
    {
        const QString folder = env->root() + QStringLiteral("/site");
        QDir().mkpath(folder);
        QCOMPARE(quaylin({QStringLiteral("add"), folder}).exitCode, 0);
        const QByteArray before = readFile(dataFile());

        const Result again = quaylin({QStringLiteral("add"), folder + QStringLiteral("/./")});
        QCOMPARE(again.exitCode, 1);
        QVERIFY(again.err.contains("already tracked"));
        QCOMPARE(again.err.count('\n'), 1);
        QCOMPARE(
            quaylin({QStringLiteral("add"), env->root() + QStringLiteral("/missing")}).exitCode, 1);

        QLockFile lock(env->dataDir() + QStringLiteral("/store.json.lock"));
        QVERIFY(lock.tryLock(0));
        QDir().mkpath(env->root() + QStringLiteral("/other"));
        const Result locked =
            quaylin({QStringLiteral("add"), env->root() + QStringLiteral("/other")});
        QCOMPARE(locked.exitCode, 1);
        QVERIFY(locked.err.contains("running"));
        lock.unlock();

        QVERIFY(writeFile(dataFile(), "{ broken"));
        QCOMPARE(quaylin({QStringLiteral("add"), env->root() + QStringLiteral("/other")}).exitCode,
                 1);
        QCOMPARE(readFile(dataFile()), QByteArray("{ broken"));
        QVERIFY(writeFile(dataFile(), before));
        QCOMPARE(readFile(dataFile()), before);
    }

    void statusWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("no data file") << QByteArray();
        QTest::newRow("unreadable") << QByteArray("[1, 2");
        QTest::newRow("unseeded") << QByteArray(R"({"didSeed": false, "projects": [
            {"name": "Solo", "localPath": "/nowhere", "sortIndex": 1},
            {"name": "Duo", "localPath": "/nowhere/2", "sortIndex": 1}]})");
    }

    void statusWritesNothing()
    {
        QFETCH(QByteArray, contents);
        if (!contents.isEmpty())
            QVERIFY(writeFile(dataFile(), contents));
        const auto before = snapshot(env->root());
        const Result text = quaylin({QStringLiteral("status")});
        const Result json = quaylin({QStringLiteral("status"), QStringLiteral("--json")});
        QCOMPARE(text.exitCode, 0);
        QCOMPARE(json.exitCode, 0);
        QVERIFY(QJsonDocument::fromJson(json.out).object().value(u"projects").isArray());
        QCOMPARE(snapshot(env->root()), before);
    }

    void statusOrdersLikeTheSidebarAndSpeaksTheLanguage()
    {
        const QByteArray document = R"({"didSeed": true,
            "folders": [{"id": "11111111-1111-1111-1111-111111111111", "name": "Later", "sortIndex": 5},
                        {"id": "22222222-2222-2222-2222-222222222222", "name": "Sooner", "sortIndex": 1}],
            "projects": [
                {"name": "Top B", "localPath": "/nowhere", "sortIndex": 2},
                {"name": "In later", "localPath": "/nowhere", "sortIndex": 0,
                 "folderID": "11111111-1111-1111-1111-111111111111"},
                {"name": "Top A", "localPath": "/nowhere", "sortIndex": 1,
                 "id": "33333333-3333-3333-3333-333333333333"},
                {"name": "Sooner 2", "localPath": "/nowhere", "sortIndex": 9,
                 "folderID": "22222222-2222-2222-2222-222222222222"},
                {"name": "Sooner 1", "localPath": "/nowhere", "sortIndex": 9,
                 "folderID": "22222222-2222-2222-2222-222222222222"}],
            "cards": [
                {"projectID": "33333333-3333-3333-3333-333333333333", "title": "open", "column": "doing",
                 "dueDate": 1.0},
                {"projectID": "33333333-3333-3333-3333-333333333333", "title": "open too"},
                {"projectID": "33333333-3333-3333-3333-333333333333", "title": "done", "column": "done"}]})";
        QVERIFY(writeFile(dataFile(), document));
        QStringList order;
        const QJsonArray projects = statusProjects();
        for (const QJsonValue &value : projects)
            order.append(value.toObject().value(u"name").toString());
        QCOMPARE(order, (QStringList{QStringLiteral("Sooner 2"), QStringLiteral("Sooner 1"),
                                     QStringLiteral("In later"), QStringLiteral("Top A"),
                                     QStringLiteral("Top B")}));
        const QJsonObject topA = projects[3].toObject();
        QCOMPARE(topA.value(u"id").toString(),
                 QStringLiteral("33333333-3333-3333-3333-333333333333"));
        QCOMPARE(topA.value(u"openCards").toInt(), 2);
        QCOMPARE(topA.value(u"overdueCards").toInt(), 1);
        QCOMPARE(projects[0].toObject().value(u"folder").toString(), QStringLiteral("Sooner"));
        QCOMPARE(topA.value(u"deploy").toObject().value(u"state").toString(),
                 QStringLiteral("notConfigured"));
        QVERIFY(topA.value(u"github").isNull());
        QVERIFY(topA.value(u"attention").isNull());

        const QString czech = QString::fromUtf8(quaylin({QStringLiteral("status")}).out);
        QVERIFY(czech.contains(QStringLiteral("2 otevřených úkolů")));
        QVERIFY(czech.contains(QStringLiteral("Git nedostupný")));
        QCOMPARE(czech.count(u'\n'), 5);
        QSettings settings(QStringLiteral("Quaylin"), QStringLiteral("Quaylin"));
        settings.setValue(QStringLiteral("Quaylin.language"), QStringLiteral("en"));
        settings.sync();
        const QString english = QString::fromUtf8(quaylin({QStringLiteral("status")}).out);
        QVERIFY(english.contains(QStringLiteral("2 open tasks")));
        QVERIFY(english.contains(QStringLiteral("Git unavailable")));
    }

    void exportWritesABackupOrFails()
    {
        const QString target = env->root() + QStringLiteral("/out dir/zaloha.json");
        QDir().mkpath(QFileInfo(target).path());
        QVERIFY(writeFile(dataFile(),
                          R"({"labels": [], "projects": [{"name": "A", "localPath": "/a"}]})"));
        QCOMPARE(quaylin({QStringLiteral("export"), target}).exitCode, 0);
        const auto backup = std::get<StoreData>(
            RecordJson::decodeDocument(readFile(target), QDateTime::currentDateTimeUtc()));
        QVERIFY(backup.didSeed);
        QCOMPARE(backup.labels.size(), 6);
        QCOMPARE(backup.projects.first().name, QStringLiteral("A"));
        QCOMPARE(readFile(target), RecordJson::encodeDocument(backup));

        QCOMPARE(quaylin({QStringLiteral("export"), env->root() + QStringLiteral("/no/dir/x.json")})
                     .exitCode,
                 1);
        QVERIFY(writeFile(dataFile(), "\xff\xfe not json"));
        const Result unreadable = quaylin({QStringLiteral("export"), target});
        QCOMPARE(unreadable.exitCode, 1);
        QVERIFY(!unreadable.err.isEmpty());
        QCOMPARE(readFile(dataFile()), QByteArray("\xff\xfe not json"));
    }

    void usageAndVersion()
    {
        QCOMPARE(quaylin({QStringLiteral("--help")}).exitCode, 0);
        const Result version = quaylin({QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QVERIFY(version.out.startsWith("quaylin " QUAYLIN_VERSION));
        for (const QStringList &bad :
             {QStringList{QStringLiteral("frobnicate")},
              QStringList{QStringLiteral("status"), QStringLiteral("--xml")},
              QStringList{QStringLiteral("export")},
              QStringList{QStringLiteral("add"), QStringLiteral("--name")},
              QStringList{QStringLiteral("--bogus")}}) {
            const Result result = quaylin(bad);
            QCOMPARE(result.exitCode, 2);
            QVERIFY(result.err.contains("Usage"));
            QVERIFY(result.out.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_cli.moc"
