// SPDX-License-Identifier: MIT
#include "sources/gitoutput.h"
#include "sources/gitreader.h"
#include "sources/processrunner.h"
#include "support/testenvironment.h"

#include <QCoroTask>
#include <QtTest>

using namespace Qt::StringLiterals;

class GitReaderTest final : public QObject {
    Q_OBJECT

    TestEnvironment m_environment;
    ProcessRunner m_runner;
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
};

QTEST_GUILESS_MAIN(GitReaderTest)
#include "tst_gitreader.moc"
