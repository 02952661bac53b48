// SPDX-License-Identifier: MIT
// The real `quaylin` binary on a display server of its own, with no tray. On X11 (xvfb-run):
// its window, one instance, the lock the command line respects, and a clean end on SIGTERM.
// On Wayland (a headless sway, with-sway.sh): a native Wayland client whose window and sheet
// the compositor shows, typed into as a user would, ending cleanly with its data saved.
#include "app/modelfixture.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <optional>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

bool onWayland()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The desktop application, killed should the test end before it does.
struct App {
    QProcess process;

    App(const QProcessEnvironment &environment, const QStringList &arguments = {})
    {
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(QUAYLIN_BINARY), arguments);
    }
    ~App()
    {
        process.kill();
        process.waitForFinished();
    }
    qint64 pid() const { return process.processId(); }
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

    // The titles of the process's native Wayland windows that the compositor shows.
    QStringList mappedWindows(qint64 pid)
    {
        QStringList titles;
        const std::function<void(const QJsonObject &)> visit = [&](const QJsonObject &node) {
            if (node.value(u"pid"_s).toInteger() == pid && node.value(u"visible"_s).toBool() &&
                node.value(u"app_id"_s).toString() == u"app.quaylin.Quaylin")
                titles.append(node.value(u"name"_s).toString());
            for (const auto *key : {"nodes", "floating_nodes"})
                for (const QJsonValue &child : node.value(QLatin1String(key)).toArray())
                    visit(child.toObject());
        };
        const Run tree = run(u"swaymsg"_s, {u"--raw"_s, u"--type"_s, u"get_tree"_s}, environment());
        visit(QJsonDocument::fromJson(tree.out).object());
        return titles;
    }

    // Keys typed into the focused window; `keys` as wtype takes them.
    void type(const QStringList &keys)
    {
        QCOMPARE(run(u"wtype"_s, keys, environment()).exitCode, 0);
    }

    // Ends the application with SIGTERM: it exits with 0, releases its lock, and has saved the
    // projects named `names` with their equal sort indices repaired at start.
    void endsCleanly(App &app, const QStringList &names)
    {
        app.process.terminate();
        QVERIFY(app.process.waitForFinished(20'000));
        QCOMPARE(app.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.process.exitCode(), 0);
        const auto saved = RecordJson::decodeDocument(readFile(env->dataDir() + u"/store.json"_s),
                                                      QDateTime::currentDateTimeUtc());
        QVERIFY(std::holds_alternative<StoreData>(saved));
        const QList<ProjectConfig> projects = std::get<StoreData>(saved).projects;
        QCOMPARE(projects.size(), names.size());
        for (qsizetype i = 0; i < projects.size(); ++i)
            QCOMPARE(projects[i].name, names[i]);
        QVERIFY(projects[0].sortIndex != projects[1].sortIndex);
        QVERIFY(!QFile::exists(env->dataDir() + u"/store.json.lock"_s));
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
        if (onWayland())
            QSKIP("the X11 run covers this");
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "run me under xvfb-run");
        // Equal sort indices: the application repairs and saves them as it starts.
        writeDocument(env->dataDir() + u"/store.json"_s,
                      {makeProject(u"A"_s), makeProject(u"B"_s), makeProject(u"Č"_s)});

        App app(environment());
        QVERIFY(app.process.waitForStarted());
        // No tray on this server: the main window opens at start.
        QVERIFY(waitForWindow(true));

        // Closed, it hides; a second launch brings it back and ends at once.
        const QString window = QString::fromLatin1(shownWindows().split('\n').first());
        QCOMPARE(run(u"xdotool"_s, {u"windowfocus"_s, u"--sync"_s, window}, environment()).exitCode,
                 0);
        QCOMPARE(run(u"xdotool"_s, {u"key"_s, u"ctrl+w"_s}, environment()).exitCode, 0);
        QVERIFY(waitForWindow(false));
        QCOMPARE(app.process.state(), QProcess::Running);
        const Run second = quaylin();
        QCOMPARE(second.exitCode, 0);
        QVERIFY(waitForWindow(true));

        // The command line's `add` respects the running application's lock.
        const Run add = quaylin({u"add"_s, env->root()});
        QCOMPARE(add.exitCode, 1);
        QVERIFY(add.err.contains("running"));

        endsCleanly(app, {u"A"_s, u"B"_s, u"Č"_s});
        QCOMPARE(quaylin({u"add"_s, env->root()}).exitCode, 0);
    }

    void onWaylandItIsANativeClientWithWorkingSheets()
    {
        if (!onWayland())
            QSKIP("the Wayland run covers this");
        writeDocument(env->dataDir() + u"/store.json"_s,
                      {makeProject(u"A"_s), makeProject(u"B"_s)});

        QProcessEnvironment environment = this->environment();
        environment.remove(u"DISPLAY"_s); // no way back to X11
        App app(environment);
        QVERIFY(app.process.waitForStarted());
        // No tray here either: the main window opens at start, mapped by the compositor.
        QTRY_COMPARE_WITH_TIMEOUT(mappedWindows(app.pid()), QStringList{u"Quaylin"_s}, 20'000);

        // The new-project sheet opens over it from the menu's shortcut, and Escape closes it.
        type({u"-M"_s, u"ctrl"_s, u"n"_s, u"-m"_s, u"ctrl"_s});
        QTRY_COMPARE_WITH_TIMEOUT(mappedWindows(app.pid()).size(), 2, 10'000);
        QVERIFY(mappedWindows(app.pid()).contains(u"Nový projekt"_s));
        type({u"-k"_s, u"Escape"_s});
        QTRY_COMPARE_WITH_TIMEOUT(mappedWindows(app.pid()), QStringList{u"Quaylin"_s}, 10'000);

        endsCleanly(app, {u"A"_s, u"B"_s});

        // Started at login it opens no window, not even without a tray; a launch brings it up.
        App atLogin(environment, {u"--autostart"_s});
        QTRY_VERIFY_WITH_TIMEOUT(quaylin({u"add"_s, env->root()}).err.contains("running"), 20'000);
        QVERIFY(mappedWindows(atLogin.pid()).isEmpty());
        QCOMPARE(quaylin().exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(mappedWindows(atLogin.pid()), QStringList{u"Quaylin"_s}, 20'000);
    }
};

QTEST_GUILESS_MAIN(DesktopTest)
#include "tst_desktop.moc"
