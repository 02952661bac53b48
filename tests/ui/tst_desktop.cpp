// SPDX-License-Identifier: MIT
// The real `quaylin` binary on an X server of its own (xvfb-run, no tray): its window, one
// instance, the lock the command line respects, and a clean end on SIGTERM.
#include "app/modelfixture.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

} // namespace

class DesktopTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;

    // The systems' environment for a child: this test's folders, its X server, no services.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"QT_QPA_PLATFORM"_s); // the test's own offscreen platform
        environment.insert(u"XDG_RUNTIME_DIR"_s, env->root() + u"/runtime"_s);
        for (const char *name : {"QUAYLIN_NETLIFY_API", "QUAYLIN_VERCEL_API", "QUAYLIN_GITHUB_API",
                                 "QUAYLIN_UPDATE_URL"})
            environment.insert(QLatin1String(name), u"http://127.0.0.1:9"_s);
        return environment;
    }

    Run run(const QString &program, const QStringList &arguments,
            const QProcessEnvironment &environment)
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        if (!process.waitForFinished(30'000))
            return {};
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    Run quaylin(const QStringList &arguments = {})
    {
        return run(QStringLiteral(QUAYLIN_BINARY), arguments, environment());
    }

    // The ids of the mapped windows titled "Quaylin".
    QByteArray shownWindows()
    {
        return run(u"xdotool"_s, {u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"^Quaylin$"_s},
                   environment())
            .out.trimmed();
    }

    bool waitForWindow(bool shown)
    {
        const QDeadlineTimer deadline(20'000);
        while (!deadline.hasExpired()) {
            if (shownWindows().isEmpty() != shown)
                return true;
            QTest::qWait(50);
        }
        return false;
    }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        QDir().mkpath(env->root() + u"/runtime"_s);
        QFile::setPermissions(env->root() + u"/runtime"_s,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void withoutADisplayItPointsToTheCommandLine()
    {
        QProcessEnvironment none = environment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY"})
            none.remove(QLatin1String(name));
        const Run result = run(QStringLiteral(QUAYLIN_BINARY), {}, none);
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.err.count('\n'), 1);
        QVERIFY(result.err.contains("quaylin status"));
        QVERIFY(!QFile::exists(env->dataDir() + u"/store.json"_s));
    }

    void oneInstanceShowsItsWindowAndEndsCleanly()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "run me under xvfb-run");
        // Equal sort indices: the application repairs and saves them as it starts.
        const QString dataFile = env->dataDir() + u"/store.json"_s;
        writeDocument(dataFile, {makeProject(u"A"_s), makeProject(u"B"_s), makeProject(u"Č"_s)});

        QProcess app;
        app.setProcessEnvironment(environment());
        app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        app.start(QStringLiteral(QUAYLIN_BINARY), {});
        QVERIFY(app.waitForStarted());
        auto stop = qScopeGuard([&] {
            app.kill();
            app.waitForFinished();
        });
        // No tray on this server: the main window opens at start.
        QVERIFY(waitForWindow(true));

        // Closed, it hides; a second launch brings it back and ends at once.
        const QString window = QString::fromLatin1(shownWindows().split('\n').first());
        QCOMPARE(run(u"xdotool"_s, {u"windowfocus"_s, u"--sync"_s, window}, environment()).exitCode,
                 0);
        QCOMPARE(run(u"xdotool"_s, {u"key"_s, u"ctrl+w"_s}, environment()).exitCode, 0);
        QVERIFY(waitForWindow(false));
        QCOMPARE(app.state(), QProcess::Running);
        const Run second = quaylin();
        QCOMPARE(second.exitCode, 0);
        QVERIFY(waitForWindow(true));

        // The command line's `add` respects the running application's lock.
        const Run add = quaylin({u"add"_s, env->root()});
        QCOMPARE(add.exitCode, 1);
        QVERIFY(add.err.contains("running"));

        app.terminate(); // SIGTERM
        QVERIFY(app.waitForFinished(20'000));
        stop.dismiss();
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
        const auto saved =
            RecordJson::decodeDocument(readFile(dataFile), QDateTime::currentDateTimeUtc());
        QVERIFY(std::holds_alternative<StoreData>(saved));
        const QList<ProjectConfig> projects = std::get<StoreData>(saved).projects;
        QCOMPARE(projects.size(), 3);
        QCOMPARE(projects[2].name, u"Č"_s);
        QVERIFY(projects[0].sortIndex != projects[1].sortIndex);
        QVERIFY(!QFile::exists(env->dataDir() + u"/store.json.lock"_s));
        QCOMPARE(quaylin({u"add"_s, env->root()}).exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(DesktopTest)
#include "tst_desktop.moc"
