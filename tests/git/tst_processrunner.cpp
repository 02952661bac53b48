// SPDX-License-Identifier: MIT
#include "sources/gitreader.h"
#include "sources/processrunner.h"
#include "support/testenvironment.h"

#include <QCoroTask>
#include <QtTest>

#include <csignal>
#include <memory>
#include <tuple>
#include <vector>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QString shell = u"/bin/sh"_s;

std::optional<QString> run(ProcessRunner &runner, const QString &script,
                           const QString &program = shell, const QString &folder = QString())
{
    const QStringList arguments = program == shell ? QStringList{u"-c"_s, script} : QStringList();
    return QCoro::waitFor(runner.run(program, arguments, folder));
}

// Counts the runner's child processes: one exists exactly while a run holds a slot.
class ChildCounter final : public QObject {
public:
    explicit ChildCounter(QObject *watched) { watched->installEventFilter(this); }
    int current = 0;
    int peak = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded)
            peak = std::max(peak, ++current);
        else if (event->type() == QEvent::ChildRemoved)
            --current;
        return false;
    }
};

bool processGone(const QString &pidFile)
{
    QFile file(pidFile);
    const pid_t pid = file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt() : 0;
    return pid > 0 && ::kill(pid, 0) != 0;
}

} // namespace

class ProcessRunnerTest final : public QObject {
    Q_OBJECT

    TestEnvironment m_environment;

private slots:
    void outputAndEnvironment()
    {
        ProcessRunner runner;
        QCOMPARE(run(runner, u"printf ' a\\nž \\n'; echo err >&2"_s), u" a\nž \n"_s);
        QCOMPARE(run(runner, {}, u"/bin/pwd"_s, m_environment.root()),
                 QFileInfo(m_environment.root()).canonicalFilePath() + u'\n');

        // 3 MB of output and 1 MB on standard error: neither may stall the child.
        const auto big = run(runner, u"head -c 1000000 /dev/zero >&2; yes 123456789abcdef "
                                     u"| head -c 3000000"_s);
        QVERIFY(big && *big == u"123456789abcdef\n"_s.repeated(3'000'000 / 16));

        qputenv("QUAYLIN_RUNNER_TEST", "inherited");
        GitReader::configureRunner(runner);
        QCOMPARE(run(runner, u"printf %s \"$GIT_OPTIONAL_LOCKS|$QUAYLIN_RUNNER_TEST\""_s),
                 u"0|inherited"_s);
    }

    void failuresYieldNothing_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("folder");
        QTest::newRow("non-zero exit") << u"echo out; exit 3"_s << shell << QString();
        QTest::newRow("crash") << u"echo out; kill -SEGV $$"_s << shell << QString();
        QTest::newRow("invalid UTF-8") << u"printf 'ok\\377'"_s << shell << QString();
        QTest::newRow("UTF-8 cut short") << u"printf 'ok\\303'"_s << shell << QString();
        QTest::newRow("missing program") << QString() << u"/nonexistent/program"_s << QString();
        QTest::newRow("not executable") << QString() << u"/etc/passwd"_s << QString();
        QTest::newRow("from the search path") << QString() << u"true"_s << QString();
        QTest::newRow("missing folder") << u"true"_s << shell << u"/nonexistent/folder"_s;
        QTest::newRow("NUL in an argument")
            << (u"echo a"_s + QChar(0) + u"; exit 1"_s) << shell << QString();
        QTest::newRow("NUL in the folder") << u"true"_s << shell << (u"/tmp"_s + QChar(0));
    }
    void failuresYieldNothing()
    {
        QFETCH(QString, script);
        QFETCH(QString, program);
        QFETCH(QString, folder);
        ProcessRunner runner;
        runner.setLimit(1);
        QCOMPARE(run(runner, script, program, folder), std::nullopt);
        QCOMPARE(run(runner, u"echo slot came back"_s), u"slot came back\n"_s);
    }

    void respectsTheLimit()
    {
        ProcessRunner runner;
        runner.setLimit(2);
        ChildCounter counter(&runner);
        std::vector<QCoro::Task<std::optional<QString>>> tasks;
        for (int i = 0; i < 10; ++i)
            tasks.push_back(runner.run(shell, {u"-c"_s, u"sleep 0.1; echo %1"_s.arg(i)}, {}));
        QCOMPARE(counter.current, 2);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(QCoro::waitFor(std::move(tasks[i])), u"%1\n"_s.arg(i));
        QCOMPARE(counter.peak, 2);

        // Raising the limit lets waiting runs start at once.
        runner.setLimit(1);
        tasks.clear();
        for (int i = 0; i < 3; ++i)
            tasks.push_back(runner.run(shell, {u"-c"_s, u"sleep 0.2"_s}, {}));
        runner.setLimit(3);
        for (auto &task : tasks)
            QCOMPARE(QCoro::waitFor(std::move(task)), QString());
        QCOMPARE(counter.peak, 3);
    }

    void timeOutKillsTheProcess()
    {
        ProcessRunner runner;
        runner.setLimit(1);
        runner.setTimeout(200ms);
        const QString pidFile = m_environment.root() + u"/sleeper.pid"_s;
        auto task =
            runner.run(shell, {u"-c"_s, u"echo $$ > '%1'; exec /bin/sleep 30"_s.arg(pidFile)}, {});
        // Gone long before the sleep would end on its own.
        QTRY_VERIFY_WITH_TIMEOUT(processGone(pidFile), 10'000);
        QCOMPARE(QCoro::waitFor(std::move(task)), std::nullopt);
        QCOMPARE(run(runner, u"echo slot came back"_s), u"slot came back\n"_s);
    }

    void destroyingTheRunnerEndsEveryRun()
    {
        auto runner = std::make_unique<ProcessRunner>();
        runner->setLimit(1);
        const QString pidFile = m_environment.root() + u"/running.pid"_s;
        auto running =
            runner->run(shell, {u"-c"_s, u"echo $$ > '%1'; exec /bin/sleep 30"_s.arg(pidFile)}, {});
        auto waiting = runner->run(shell, {u"-c"_s, u"echo never"_s}, {});
        // A caller that gave up: its run goes on with nobody awaiting it.
        std::ignore = runner->run(shell, {u"-c"_s, u"echo dropped"_s}, {});
        QTRY_VERIFY(QFileInfo(pidFile).size() > 0);

        runner.reset();
        QVERIFY(processGone(pidFile));
        QCOMPARE(QCoro::waitFor(std::move(running)), std::nullopt);
        QCOMPARE(QCoro::waitFor(std::move(waiting)), std::nullopt);
        QCoreApplication::processEvents();
    }
};

QTEST_GUILESS_MAIN(ProcessRunnerTest)
#include "tst_processrunner.moc"
