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
    return QTest::toString(
        u"kind %1, branch %2, %3 changes, ahead %4, behind %5, detached %6, upstream %7, "
        u"unpublished %8, %9 stashes, operation %10"_s
            .arg(QString::number(int(status.kind)), status.branch, QString::number(status.changes),
                 QString::number(status.ahead), QString::number(status.behind))
            .arg(status.detached)
            .arg(status.upstream.value_or(u"none"_s))
            .arg(status.unpublished)
            .arg(status.stashes)
            .arg(int(status.operation)));
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

        // Headers are not changes; an unknown header changes nothing, a bad stash count is none.
        const QString head = u"# branch.oid 1f2e\n# branch.head dev\n# branch.upstream o/dev\n"_s;
        GitStatus expected = GitStatus::dirty(u"dev"_s, 2, 2, 3);
        expected.upstream = u"o/dev"_s;
        expected.stashes = 4;
        QCOMPARE(GitOutput::statusSummary(
                     head + u"# branch.ab +2 -3\n# stash 4\n# new 1\n1 .M x\n? y\n\n"_s),
                 expected);
        QCOMPARE(GitOutput::statusSummary(head + u"# stash -1\n# stash x"_s)->stashes, 0);
        // A branch with no commits is not unpublished; a detached HEAD needs a commit.
        QCOMPARE(GitOutput::statusSummary(u"# branch.oid (initial)\n# branch.head main\n"_s),
                 GitStatus::clean(u"main"_s, 0, 0));
        QVERIFY(GitOutput::statusSummary(u"# branch.oid 1f\n# branch.head main\n"_s)->unpublished);
        QCOMPARE(GitOutput::statusSummary(u"# branch.head (detached)\n1 .M x\n"_s),
                 GitStatus::notAvailable());
        for (const QString &counts : {u"+? -?"_s, u"+1"_s, u"-1 +2"_s, u"+1 -x"_s, u"+-1 -2"_s})
            QCOMPARE(GitOutput::statusSummary(head + u"# branch.ab "_s + counts)->ahead, 0);
        // Without a branch head the output is not the one asked for.
        for (const QString &output : {QString(), u"1 .M x\n"_s, u"# branch.head \n"_s})
            QCOMPARE(GitOutput::statusSummary(output), std::nullopt);

        // In order ('|' stands for the unit separator). A line needs three non-empty fields and
        // a time in seconds, so an empty subject, a missing or a worded time skips it.
        const QChar us(0x1f);
        const auto at = [](qint64 seconds) {
            return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
        };
        QCOMPARE(GitOutput::commits(
                     u"\na1| Fix |1700000000\n\nb2|Add X|4102444800\na||1\nb|s|\n"
                     u"fatal: bad\n|c||s|1|2\nd|s|2 hours ago\ne|s|-5\n"_s.replace(u'|', us)),
                 (QList<CommitInfo>{{u"a1"_s, u" Fix "_s, at(1700000000)},
                                    {u"b2"_s, u"Add X"_s, at(4102444800)}}));
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

    void oneCommandReadsWhatFiveDid_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("where");
        QTest::addColumn<GitStatus>("expected");
        const auto row = [](const char *name, const QString &script, const GitStatus &expected,
                            const QString &where = u"work"_s) {
            QTest::newRow(name) << script << where << expected;
        };
        const auto with = [](GitStatus status, auto change) {
            change(status);
            return status;
        };
        const auto tracked = [&](const GitStatus &status) {
            return with(status, [](GitStatus &s) { s.upstream = u"origin/main"_s; });
        };
        const auto in = [&](const GitStatus &status, GitOperation operation) {
            return with(status, [=](GitStatus &s) { s.operation = operation; });
        };
        // The short commit of a detached HEAD is filled in from the repository.
        const auto detached = [&](const GitStatus &status) {
            return with(status, [](GitStatus &s) { s.detached = true; });
        };
        const QString diverge = uR"(tracking; commits work 2; commits origin 3
git -C origin push -q ../up.git main; git -C work fetch -q)"_s;
        row("clean", u"tracking"_s, tracked(GitStatus::clean(u"main"_s, 0, 0)));
        row("dirty", u"repo work; echo more >>work/README; touch work/new"_s,
            GitStatus::dirty(u"main"_s, 2, 0, 0));
        row("untracked only", u"repo work; mkdir work/d; touch work/a work/b work/d/c"_s,
            GitStatus::dirty(u"main"_s, 3, 0, 0));
        row("renamed", u"repo work; git -C work mv README README.md"_s,
            GitStatus::dirty(u"main"_s, 1, 0, 0));
        row("merge in progress", u"conflict; ! git merge -q side >/dev/null"_s,
            in(GitStatus::dirty(u"main"_s, 1, 0, 0), GitOperation::Merge));
        row("rebase in progress",
            u"conflict; git checkout -q side; ! git rebase -q main 2>/dev/null"_s,
            in(detached(GitStatus::dirty({}, 1, 0, 0)), GitOperation::Rebase));
        row("cherry-pick in progress", u"conflict; ! git cherry-pick side >/dev/null 2>&1"_s,
            in(GitStatus::dirty(u"main"_s, 1, 0, 0), GitOperation::CherryPick));
        row("revert in progress",
            u"repo work; cd work; echo b >README; git commit -qam b; echo c >README; "
            u"git commit -qam c; ! git revert --no-edit HEAD~1 >/dev/null 2>&1"_s,
            in(GitStatus::dirty(u"main"_s, 1, 0, 0), GitOperation::Revert));
        row("bisecting", u"repo work; commits work 2; git -C work bisect start"_s,
            in(GitStatus::clean(u"main"_s, 0, 0), GitOperation::Bisect));
        row("ahead", u"tracking; commits work 2"_s, tracked(GitStatus::clean(u"main"_s, 2, 0)));
        row("behind",
            u"tracking; commits origin 3; git -C origin push -q ../up.git main; "
            u"git -C work fetch -q"_s,
            tracked(GitStatus::clean(u"main"_s, 0, 3)));
        row("diverged", diverge, tracked(GitStatus::clean(u"main"_s, 2, 3)));
        row("diverged and dirty", diverge + u"; touch work/x"_s,
            tracked(GitStatus::dirty(u"main"_s, 1, 2, 3)));
        row("stashes",
            u"tracking; cd work; for i in 1 2; do echo $i >>README; git stash -q; done"_s,
            with(tracked(GitStatus::clean(u"main"_s, 0, 0)), [](GitStatus &s) { s.stashes = 2; }));
        // Without a remote there is nowhere to push to: nothing is unpublished.
        row("no upstream, no remote", u"repo work; git -C work checkout -qb feature/login"_s,
            GitStatus::clean(u"feature/login"_s, 0, 0));
        row("never pushed", u"tracking; git -C work checkout -qb feature/login"_s,
            with(GitStatus::clean(u"feature/login"_s, 0, 0),
                 [](GitStatus &s) { s.unpublished = true; }));
        row("gone upstream", u"tracking; git -C work update-ref -d refs/remotes/origin/main"_s,
            tracked(GitStatus::clean(u"main"_s, 0, 0)));
        row("detached", u"repo work; git -C work checkout -q --detach; touch work/x"_s,
            detached(GitStatus::dirty({}, 1, 0, 0)));
        row("unborn", u"git init -q -b fresh work"_s, GitStatus::clean(u"fresh"_s, 0, 0));
        row("unborn with files", u"git init -q -b fresh work; touch work/a"_s,
            GitStatus::dirty(u"fresh"_s, 1, 0, 0));
        row("unborn tracking",
            u"git init -q --bare -b main up.git; git clone -q up.git work 2>/dev/null"_s,
            GitStatus::clean(u"main"_s, 0, 0));
        row("linked work tree",
            u"repo work; git -C work worktree add -q -b side ../linked; touch linked/x"_s,
            GitStatus::dirty(u"side"_s, 1, 0, 0), u"linked"_s);
        // The operation is the linked tree's own; the stash is the repository's.
        row("rebase in a linked work tree",
            u"conflict; echo x >>README; git stash -q; git worktree add -q ../linked side; "
            u"cd ../linked; ! git rebase -q main 2>/dev/null"_s,
            with(in(detached(GitStatus::dirty({}, 1, 0, 0)), GitOperation::Rebase),
                 [](GitStatus &s) { s.stashes = 1; }),
            u"linked"_s);
        const QString submodule = uR"(repo lib; repo work
git -C work -c protocol.file.allow=always submodule add -q "$PWD/lib" lib
git -C work commit -qm lib)"_s;
        row("submodule", submodule + u"; commits work/lib 1"_s,
            tracked(GitStatus::clean(u"main"_s, 1, 0)), u"work/lib"_s);
        row("changed submodule", submodule + u"; echo more >>work/lib/README"_s,
            GitStatus::dirty(u"main"_s, 1, 0, 0));
    }

    void oneCommandReadsWhatFiveDid()
    {
        QFETCH(QString, script);
        QFETCH(QString, where);
        QFETCH(GitStatus, expected);
        const QString dir = folder(QString::fromUtf8(QTest::currentDataTag()));
        QVERIFY(gitScript(dir, script));
        const QString path = dir + u'/' + where;
        if (expected.detached) {
            QProcess head;
            head.setWorkingDirectory(path);
            head.start(u"git"_s, {u"rev-parse"_s, u"HEAD"_s});
            QVERIFY(head.waitForFinished());
            expected.branch = QString::fromLatin1(head.readAllStandardOutput()).left(7);
        }

        m_runner.runs = 0;
        QCOMPARE(status(path), expected);
        QCOMPARE(m_runner.runs, 1);
        // Where that one command fails, the ones it replaced give the same answer.
        m_runner.refused = u"--porcelain=v2"_s;
        const auto restore = qScopeGuard([this] { m_runner.refused.clear(); });
        QCOMPARE(status(path), expected);
    }

    void commitsAsManyAsAskedFor()
    {
        const QString repo = folder(u"history"_s);
        QVERIFY(gitScript(repo, u"repo work; commits work 3"_s));
        // To git a negative count would mean all.
        QCOMPARE(commits(repo + u"/work"_s, 2), 2);
        QCOMPARE(commits(repo + u"/work"_s, -1), 0);
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
