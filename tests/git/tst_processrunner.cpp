// SPDX-License-Identifier: MIT
#include "sources/gitreader.h"
#include "sources/processrunner.h"
#include "support/testenvironment.h"

#include <QCoroTask>
#include <QtTest>

#include <csignal>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QCoro::Task<std::optional<QString>> start(ProcessRunner &runner, const QString &script,
                                          const QString &program = u"/bin/sh"_s)
{
    return runner.run(program, {u"-c"_s, script}, {});
}

int openDescriptors()
{
    return int(QDir(u"/proc/self/fd"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

// For a run of `echo $$ > pidFile; exec sleep …`: the shell wrote its id and has ended since.
bool processGone(const QString &pidFile)
{
    const pid_t pid = readFile(pidFile).trimmed().toInt();
    return pid > 0 && ::kill(pid, 0) != 0;
}

} // namespace

class ProcessRunnerTest final : public QObject {
    Q_OBJECT

    TestEnvironment m_environment;

private slots:
    void outputAndFailures()
    {
        qputenv("QUAYLIN_RUNNER_TEST", "inherited");
        ProcessRunner runner;
        runner.setLimit(1);
        GitReader::configureRunner(runner);
        // 3 MB of output and 1 MB on standard error: neither may stall the child.
        const auto output = QCoro::waitFor(start(
            runner, u"printf '%s ž \\n' \"$GIT_OPTIONAL_LOCKS|$QUAYLIN_RUNNER_TEST\"; head -c "
                    u"1000000 /dev/zero >&2; yes 123456789abcdef | head -c 3000000"_s));
        QVERIFY(output == u"0|inherited ž \n"_s + u"123456789abcdef\n"_s.repeated(3'000'000 / 16));

        const std::pair<QString, QString> failures[] = {
            {u"echo out; exit 3"_s, u"/bin/sh"_s},
            {u"echo out; kill -SEGV $$"_s, u"/bin/sh"_s},
            {u"printf 'ok\\377'"_s, u"/bin/sh"_s},                  // not UTF-8
            {u"echo a"_s + QChar(0) + u"; exit 1"_s, u"/bin/sh"_s}, // exec() would cut it short
            {u"true"_s, u"/nonexistent/program"_s},
            {u"true"_s, u"sh"_s}, // never looked up on the search path
        };
        for (const auto &[script, program] : failures)
            QVERIFY2(!QCoro::waitFor(start(runner, script, program)), qPrintable(script));
        QCOMPARE(QCoro::waitFor(start(runner, u"echo ok"_s)), u"ok\n"_s); // each gave its slot back
    }

    void failedStartsLeaveNothingOpen()
    {
        ProcessRunner runner;
        runner.setLimit(1);
        GitReader git(runner);
        const QString missing = m_environment.root() + u"/missing"_s;
        const QString file = m_environment.root() + u"/file"_s;
        QVERIFY(writeFile(file, "x"));
        const auto failures = [&] {
            for (int i = 0; i < 50; ++i) {
                QVERIFY(!QCoro::waitFor(runner.run(u"/bin/true"_s, {}, missing)));
                QVERIFY(!QCoro::waitFor(runner.run(u"/bin/true"_s, {}, file)));
                QVERIFY(!QCoro::waitFor(runner.run(u"/nonexistent/program"_s, {}, {})));
                QVERIFY(!QCoro::waitFor(runner.run(file, {}, {}))); // not executable
                QVERIFY(QCoro::waitFor(git.recentCommits(missing, 8)).isEmpty());
            }
        };
        failures(); // whatever Qt opens once and keeps
        const int before = openDescriptors();
        failures();
        QCOMPARE(openDescriptors(), before);
        // The one slot came back every time.
        QCOMPARE(QCoro::waitFor(runner.run(u"/bin/echo"_s, {u"ok"_s}, m_environment.root())),
                 u"ok\n"_s);
    }

    void respectsTheLimit()
    {
        ProcessRunner runner;
        runner.setLimit(2);
        const QString log = m_environment.root() + u"/log"_s;
        QCoro::Task<std::optional<QString>> tasks[8];
        for (int i = 0; i < 8; ++i)
            tasks[i] = start(runner, u"echo + >>'%1'; sleep 0.1; echo - >>'%1'; echo %2"_s.arg(
                                         log, QString::number(i)));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(QCoro::waitFor(std::move(tasks[i])), u"%1\n"_s.arg(i));
        // Never more than two at once, as the children saw it.
        int running = 0;
        for (const char mark : readFile(log))
            QVERIFY((running += mark == '+' ? 1 : mark == '-' ? -1 : 0) <= 2);
    }

    void endsRunsItGivesUpOn()
    {
        const QString timedOut = m_environment.root() + u"/timed-out"_s;
        const QString running = m_environment.root() + u"/running"_s;
        ProcessRunner timing;
        timing.setTimeout(std::chrono::milliseconds(200));
        auto task = start(timing, u"echo $$ >'%1'; exec /bin/sleep 30"_s.arg(timedOut));
        QTRY_VERIFY_WITH_TIMEOUT(processGone(timedOut), 10'000);
        QCOMPARE(QCoro::waitFor(std::move(task)), std::nullopt);

        // Destroyed with runs in flight: every child ends, every run yields nothing.
        auto runner = std::make_unique<ProcessRunner>();
        runner->setLimit(1);
        task = start(*runner, u"echo $$ >'%1'; exec /bin/sleep 30"_s.arg(running));
        auto waiting = start(*runner, u"echo never"_s);
        start(*runner, u"echo dropped"_s); // nobody awaits this one
        QTRY_VERIFY(QFileInfo(running).size() > 0);
        runner.reset();
        QVERIFY(processGone(running));
        QCOMPARE(QCoro::waitFor(std::move(task)), std::nullopt);
        QCOMPARE(QCoro::waitFor(std::move(waiting)), std::nullopt);
        QCoreApplication::processEvents();
    }
};

QTEST_GUILESS_MAIN(ProcessRunnerTest)
#include "tst_processrunner.moc"
