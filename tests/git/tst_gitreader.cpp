// SPDX-License-Identifier: MIT
#include "sources/gitoutput.h"
#include "sources/gitreader.h"
#include "sources/processrunner.h"
#include "support/testenvironment.h"

#include <QCoroTask>
#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(GitStatus)

char *toString(const GitStatus &status)
{
    return QTest::toString(u"kind %1, branch %2, %3 changes, ahead %4, behind %5"_s.arg(
        QString::number(int(status.kind)), status.branch, QString::number(status.changes),
        QString::number(status.ahead), QString::number(status.behind)));
}

namespace {

// Runs processes as usual and counts them; a run whose arguments hold `refused` fails unstarted.
class WatchingRunner final : public ProcessRunner {
public:
    int runs = 0;
    QString refused;

    QCoro::Task<std::optional<QString>> run(QString program, QStringList arguments,
                                            QString workingDirectory) override
    {
        ++runs;
        if (!refused.isEmpty() && arguments.contains(refused))
            co_return std::nullopt;
        co_return co_await ProcessRunner::run(std::move(program), std::move(arguments),
                                              std::move(workingDirectory));
    }
};

// Runs a shell script in `dir` with helpers for building repositories: `repo D` (one commit on
// main), `commits D N`, and `tracking` (origin, its bare copy up.git, and work, a clone of
// up.git tracking main).
bool shell(const QString &dir, const QString &script)
{
    static const QString helpers = uR"(set -e
export GIT_AUTHOR_NAME=T GIT_AUTHOR_EMAIL=t@example.com GIT_COMMITTER_NAME=T
export GIT_COMMITTER_EMAIL=t@example.com
repo() { git init -q -b main "$1"; echo hello >"$1/README"; git -C "$1" add .; git -C "$1" commit -qm first; }
commits() { for i in $(seq "$2"); do git -C "$1" commit -q --allow-empty -m "$1 $i"; done; }
tracking() { repo origin; git clone -q --bare origin up.git; git clone -q up.git work; }
)"_s;
    QDir().mkpath(dir);
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(u"/bin/sh"_s, {u"-c"_s, helpers + script});
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning() << script << process.readAllStandardError();
        return false;
    }
    return true;
}

// What one refresh child does: the status, then the commits, with a suspension in between.
QCoro::Task<qsizetype> statusThenCommits(const GitReader &reader, QString path)
{
    co_await reader.status(path);
    co_return (co_await reader.recentCommits(path, 8)).size();
}

} // namespace

class GitReaderTest final : public QObject {
    Q_OBJECT

    TestEnvironment m_environment;
    WatchingRunner m_runner;
    GitReader m_git{m_runner};

    GitStatus status(const QString &path) { return QCoro::waitFor(m_git.status(path)); }
    qsizetype commits(const QString &path, int count = 8)
    {
        return QCoro::waitFor(m_git.recentCommits(path, count)).size();
    }
    QString folder(const QString &name) const { return m_environment.root() + u'/' + name; }

private slots:
    void parsersAndLabels()
    {
        // Untracked entries count like any other; blank lines do not.
        QCOMPARE(GitOutput::changeCount(u" M x\n\nA  y\n?? z\n?? w\n"_s), 4);
        QCOMPARE(GitOutput::behindAhead(u"\tx\t3\t\t0x10\t1\n"_s), std::pair(3, 1));
        // Junk is skipped; unless exactly two integers remain, nothing is behind or ahead.
        for (const QString &output : {u"4\n"_s, u"1\t2\t3"_s, u"fatal: no upstream"_s})
            QCOMPARE(GitOutput::behindAhead(output), std::pair(0, 0));

        // Headers are not changes; a stash count or an unknown header changes nothing.
        const QString head = u"# branch.oid 1f2e\n# branch.head dev\n# branch.upstream o/dev\n"_s;
        QCOMPARE(
            GitOutput::statusSummary(head + u"# branch.ab +2 -3\n# stash 4\n1 .M x\n? y\n\n"_s),
            GitStatus::dirty(u"dev"_s, 2, 2, 3));
        QCOMPARE(GitOutput::statusSummary(u"# branch.oid (initial)\n# branch.head main\n"_s),
                 GitStatus::clean(u"main"_s, 0, 0));
        QCOMPARE(GitOutput::statusSummary(u"# branch.head (detached)\n1 .M x\n"_s),
                 GitStatus::notAvailable());
        for (const QString &counts : {u"+? -?"_s, u"+1"_s, u"-1 +2"_s, u"+1 -x"_s, u"+-1 -2"_s})
            QCOMPARE(GitOutput::statusSummary(head + u"# branch.ab "_s + counts),
                     GitStatus::clean(u"dev"_s, 0, 0));
        // Without a branch head the output is not the one asked for.
        for (const QString &output : {QString(), u"1 .M x\n"_s, u"# branch.head \n"_s})
            QCOMPARE(GitOutput::statusSummary(output), std::nullopt);

        // In order ('|' stands for the unit separator). A line needs three non-empty fields, so
        // an empty subject or date skips it; separators beyond the second stay in the date.
        const QChar us(0x1f);
        QCOMPARE(
            GitOutput::commits(u"\na1| Fix |2 hours ago\n\nb2|Add X|now\na||now\nb|s|\nfatal: bad\n"
                               u"|c||s|d1|d2\n"_s.replace(u'|', us)),
            (QList<CommitInfo>{{u"a1"_s, u" Fix "_s, u"2 hours ago"_s},
                               {u"b2"_s, u"Add X"_s, u"now"_s},
                               {u"c"_s, u"s"_s, u"d1"_s + us + u"d2"_s}}));
    }

    void repositoryStates()
    {
        // A repository around the working directory must not leak into any answer.
        QVERIFY(makeRepository(folder(u"outer"_s)) && QDir::setCurrent(folder(u"outer"_s)));
        for (const QString &path : {m_environment.root(), folder(u"missing"_s), QString()}) {
            QCOMPARE(status(path), GitStatus::notAvailable());
            QCOMPARE(commits(path), 0);
        }
        // Where no folder is, nothing is started.
        m_runner.runs = 0;
        QCOMPARE(commits(folder(u"missing"_s)), 0);
        QCOMPARE(m_runner.runs, 0);

        const QString fresh = folder(u"fresh"_s);
        QVERIFY(QDir().mkpath(fresh) && runGit(fresh, {u"init"_s, u"-q"_s, u"-b"_s, u"new"_s}));
        QCOMPARE(status(fresh), GitStatus::clean(u"new"_s, 0, 0));
        QCOMPARE(commits(fresh), 0);

        const QString repo = folder(u"main tree"_s), tree = folder(u"linked tree"_s);
        QVERIFY(makeRepository(repo));
        QVERIFY(runGit(repo, {u"worktree"_s, u"add"_s, u"-q"_s, u"-b"_s, u"side"_s, tree}));
        QVERIFY(QFileInfo(tree + u"/.git"_s).isFile());
        QCOMPARE(status(tree), GitStatus::clean(u"side"_s, 0, 0));
        QVERIFY(runGit(repo, {u"checkout"_s, u"-q"_s, u"--detach"_s}));
        QCOMPARE(status(repo), GitStatus::notAvailable());
        QCOMPARE(commits(repo), 1);

        // Used exactly as given, whatever the path holds.
        for (const QString &name :
             {u"my project  2"_s, u"it's \"quoted\" `x` $HOME"_s, u"line\nbreak"_s,
              u"Příliš žluťoučký kůň 🐴"_s, u"trailing "_s}) {
            QVERIFY(makeRepository(folder(name)));
            QCOMPARE(status(folder(name)), GitStatus::clean(u"main"_s, 0, 0));
            QCOMPARE(commits(folder(name)), 1);
        }
    }

    void oneCommandReadsWhatThreeDid_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("where");
        QTest::addColumn<GitStatus>("expected");
        const auto row = [](const char *name, const QString &script, const GitStatus &expected,
                            const QString &where = u"work"_s) {
            QTest::newRow(name) << script << where << expected;
        };
        const QString diverge = uR"(tracking; commits work 2; commits origin 3
git -C origin push -q ../up.git main; git -C work fetch -q)"_s;
        row("clean", u"tracking"_s, GitStatus::clean(u"main"_s, 0, 0));
        row("dirty", u"repo work; echo more >>work/README; touch work/new"_s,
            GitStatus::dirty(u"main"_s, 2, 0, 0));
        row("untracked only", u"repo work; mkdir work/d; touch work/a work/b work/d/c"_s,
            GitStatus::dirty(u"main"_s, 3, 0, 0));
        row("renamed", u"repo work; git -C work mv README README.md"_s,
            GitStatus::dirty(u"main"_s, 1, 0, 0));
        row("conflicted", uR"(repo work; cd work; git checkout -qb side; echo a >README
git commit -qam a; git checkout -q main; echo b >README; git commit -qam b
! git merge -q side >/dev/null)"_s,
            GitStatus::dirty(u"main"_s, 1, 0, 0));
        row("ahead", u"tracking; commits work 2"_s, GitStatus::clean(u"main"_s, 2, 0));
        row("behind",
            u"tracking; commits origin 3; git -C origin push -q ../up.git main; "
            u"git -C work fetch -q"_s,
            GitStatus::clean(u"main"_s, 0, 3));
        row("diverged", diverge, GitStatus::clean(u"main"_s, 2, 3));
        row("diverged and dirty", diverge + u"; touch work/x"_s,
            GitStatus::dirty(u"main"_s, 1, 2, 3));
        row("no upstream", u"repo work; git -C work checkout -qb feature/login"_s,
            GitStatus::clean(u"feature/login"_s, 0, 0));
        row("gone upstream", u"tracking; git -C work update-ref -d refs/remotes/origin/main"_s,
            GitStatus::clean(u"main"_s, 0, 0));
        row("detached", u"repo work; git -C work checkout -q --detach"_s,
            GitStatus::notAvailable());
        row("unborn", u"git init -q -b fresh work"_s, GitStatus::clean(u"fresh"_s, 0, 0));
        row("unborn with files", u"git init -q -b fresh work; touch work/a"_s,
            GitStatus::dirty(u"fresh"_s, 1, 0, 0));
        row("unborn tracking",
            u"git init -q --bare -b main up.git; git clone -q up.git work 2>/dev/null"_s,
            GitStatus::clean(u"main"_s, 0, 0));
        row("linked work tree",
            u"repo work; git -C work worktree add -q -b side ../linked; touch linked/x"_s,
            GitStatus::dirty(u"side"_s, 1, 0, 0), u"linked"_s);
        const QString submodule = uR"(repo lib; repo work
git -C work -c protocol.file.allow=always submodule add -q "$PWD/lib" lib
git -C work commit -qm lib)"_s;
        row("submodule", submodule + u"; commits work/lib 1"_s, GitStatus::clean(u"main"_s, 1, 0),
            u"work/lib"_s);
        row("changed submodule", submodule + u"; echo more >>work/lib/README"_s,
            GitStatus::dirty(u"main"_s, 1, 0, 0));
    }

    void oneCommandReadsWhatThreeDid()
    {
        QFETCH(QString, script);
        QFETCH(QString, where);
        QFETCH(GitStatus, expected);
        const QString dir = folder(QString::fromUtf8(QTest::currentDataTag()));
        QVERIFY(shell(dir, script));
        const QString path = dir + u'/' + where;

        m_runner.runs = 0;
        QCOMPARE(status(path), expected);
        QCOMPARE(m_runner.runs, 1);
        // Where that one command fails, the three it replaced give the same answer.
        m_runner.refused = u"--porcelain=v2"_s;
        const auto restore = qScopeGuard([this] { m_runner.refused.clear(); });
        QCOMPARE(status(path), expected);
    }

    void aheadAndBehindItsUpstream()
    {
        const QString theirs = folder(u"theirs"_s), upstream = folder(u"upstream.git"_s);
        const QString repo = folder(u"tracking"_s);
        const QStringList commit{u"commit"_s, u"-q"_s, u"--allow-empty"_s, u"-m"_s, u"c"_s};
        QVERIFY(makeRepository(theirs));
        QVERIFY(runGit(theirs, {u"clone"_s, u"-q"_s, u"--bare"_s, theirs, upstream}));
        QVERIFY(runGit(theirs, {u"clone"_s, u"-q"_s, u"-c"_s, u"user.name=T"_s, u"-c"_s,
                                u"user.email=t@example.com"_s, upstream, repo}));
        QVERIFY(runGit(theirs, commit) && runGit(theirs, commit) && runGit(theirs, commit));
        QVERIFY(runGit(theirs, {u"push"_s, u"-q"_s, upstream, u"main"_s}));
        QVERIFY(runGit(repo, commit) && runGit(repo, commit) && runGit(repo, {u"fetch"_s}));
        QCOMPARE(status(repo), GitStatus::clean(u"main"_s, 2, 3));
        QVERIFY(writeFile(repo + u"/x"_s, "x") && writeFile(repo + u"/y"_s, "y"));
        QCOMPARE(status(repo), GitStatus::dirty(u"main"_s, 2, 2, 3));
        // As many as asked for; to git a negative count would mean all.
        QCOMPARE(commits(repo, 2), 2);
        QCOMPARE(commits(repo, -1), 0);
    }

    void aRunnerGoneMidwayEndsTheReadEmptyHanded()
    {
        // A refresh still running when the application ends: the reader outlives its runner
        // and must notice rather than touch it.
        const QString repo = folder(u"midway"_s);
        QVERIFY(makeRepository(repo));
        auto runner = std::make_unique<ProcessRunner>();
        const GitReader reader(*runner);
        QCoro::Task<qsizetype> read = statusThenCommits(reader, repo);
        runner.reset();
        QCOMPARE(QCoro::waitFor(read), 0);
    }
};

QTEST_GUILESS_MAIN(GitReaderTest)
#include "tst_gitreader.moc"
