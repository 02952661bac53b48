// SPDX-License-Identifier: MIT
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
    QList<CommitInfo> commits(const QString &path, int count = 8)
    {
        return QCoro::waitFor(m_git.recentCommits(path, count));
    }
    QString folder(const QString &name) const { return m_environment.root() + u'/' + name; }
    static bool commit(const QString &repo, const QString &message)
    {
        return runGit(repo, {u"-c"_s, u"user.name=T"_s, u"-c"_s, u"user.email=t@example.com"_s,
                             u"commit"_s, u"-q"_s, u"--allow-empty"_s, u"--allow-empty-message"_s,
                             u"-m"_s, message});
    }
    static bool write(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
    }

private slots:
    void initTestCase() { GitReader::configureRunner(m_runner); }

    void freshRepositoryThenChanges()
    {
        const QString repo = folder(u"fresh"_s);
        QVERIFY(QDir().mkpath(repo));
        QVERIFY(runGit(repo, {u"init"_s, u"-q"_s, u"-b"_s, u"trunk"_s}));
        QCOMPARE(status(repo), GitStatus::clean(u"trunk"_s, 0, 0));
        QCOMPARE(commits(repo), QList<CommitInfo>());

        // Untracked, staged and modified entries all count.
        for (const char *name : {"a", "b", "c"})
            QVERIFY(write(repo + u'/' + QLatin1String(name)));
        QCOMPARE(status(repo), GitStatus::dirty(u"trunk"_s, 3, 0, 0));
        QVERIFY(runGit(repo, {u"add"_s, u"a"_s}));
        QVERIFY(commit(repo, u"one"_s));
        QVERIFY(write(repo + u"/d"_s) && runGit(repo, {u"add"_s, u"d"_s}));
        QFile modified(repo + u"/a"_s);
        QVERIFY(modified.open(QIODevice::Append) && modified.write("more") == 4);
        modified.close();
        QCOMPARE(status(repo), GitStatus::dirty(u"trunk"_s, 4, 0, 0));
    }

    void historyHonoursTheCount()
    {
        const QString repo = folder(u"history"_s);
        QVERIFY(makeRepository(repo));
        for (int i = 0; i < 10; ++i)
            QVERIFY(commit(repo, u"Změna %1"_s.arg(i)));
        QVERIFY(commit(repo, QString())); // an empty subject is skipped

        const QList<CommitInfo> newest = commits(repo, 8);
        QCOMPARE(newest.size(), 7);
        QCOMPARE(newest.first().message, u"Změna 9"_s);
        QCOMPARE(newest.last().message, u"Změna 3"_s);
        QVERIFY(!newest.first().id.isEmpty() && !newest.first().relativeDate.isEmpty());
        QCOMPARE(commits(repo, 0), QList<CommitInfo>());
        QCOMPARE(commits(repo, -1), QList<CommitInfo>());
    }

    void aheadAndBehindItsUpstream()
    {
        const QString upstream = folder(u"upstream.git"_s), other = folder(u"other"_s);
        const QString repo = folder(u"tracking"_s);
        QVERIFY(makeRepository(repo));
        QVERIFY(runGit(m_environment.root(), {u"clone"_s, u"-q"_s, u"--bare"_s, repo, upstream}));
        QVERIFY(runGit(repo, {u"remote"_s, u"add"_s, u"origin"_s, upstream}));
        QVERIFY(runGit(repo, {u"fetch"_s, u"-q"_s, u"origin"_s}));
        QVERIFY(runGit(repo, {u"branch"_s, u"-q"_s, u"--set-upstream-to=origin/main"_s}));
        QCOMPARE(status(repo), GitStatus::clean(u"main"_s, 0, 0));

        QVERIFY(runGit(m_environment.root(), {u"clone"_s, u"-q"_s, upstream, other}));
        for (int i = 0; i < 3; ++i)
            QVERIFY(commit(other, u"theirs"_s));
        QVERIFY(runGit(other, {u"push"_s, u"-q"_s, u"origin"_s, u"main"_s}));
        QVERIFY(commit(repo, u"mine"_s) && commit(repo, u"mine"_s));
        QVERIFY(runGit(repo, {u"fetch"_s, u"-q"_s, u"origin"_s}));
        QCOMPARE(status(repo), GitStatus::clean(u"main"_s, 2, 3));
        QVERIFY(write(repo + u"/x"_s));
        QCOMPARE(status(repo), GitStatus::dirty(u"main"_s, 1, 2, 3));
    }

    void detachedHeadAndLinkedWorkTree()
    {
        const QString repo = folder(u"main tree"_s), tree = folder(u"linked tree"_s);
        QVERIFY(makeRepository(repo));
        QVERIFY(runGit(repo, {u"worktree"_s, u"add"_s, u"-q"_s, u"-b"_s, u"side"_s, tree}));
        QVERIFY(QFileInfo(tree + u"/.git"_s).isFile());
        QCOMPARE(status(tree), GitStatus::clean(u"side"_s, 0, 0));

        QVERIFY(runGit(repo, {u"checkout"_s, u"-q"_s, u"--detach"_s}));
        QCOMPARE(status(repo), GitStatus::notAvailable());
        QCOMPARE(commits(repo).size(), 1);
    }

    void notARepository_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("plain folder") << folder(u"plain"_s);
        QTest::newRow("missing folder") << folder(u"missing"_s);
        QTest::newRow("empty path") << QString();
        QTest::newRow("tilde is not expanded") << u"~"_s;
    }
    void notARepository()
    {
        QFETCH(QString, path);
        // A repository around the working directory must not leak into the answer.
        if (!QFileInfo::exists(folder(u"outer/.git"_s)))
            QVERIFY(makeRepository(folder(u"outer"_s)));
        QVERIFY(QDir::setCurrent(folder(u"outer"_s)) && QDir().mkpath(folder(u"plain"_s)));
        QCOMPARE(status(path), GitStatus::notAvailable());
        QCOMPARE(commits(path), QList<CommitInfo>());
    }

    void awkwardPaths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("spaces") << u"my project  2"_s;
        QTest::newRow("quotes") << u"it's \"quoted\" `x` $HOME"_s;
        QTest::newRow("newline") << u"line\nbreak"_s;
        QTest::newRow("non-ASCII") << u"Příliš žluťoučký kůň 🐴"_s;
        QTest::newRow("trailing space") << u"trailing "_s;
    }
    void awkwardPaths()
    {
        QFETCH(QString, name);
        const QString repo = folder(name);
        QVERIFY(makeRepository(repo));
        QCOMPARE(status(repo), GitStatus::clean(u"main"_s, 0, 0));
        QCOMPARE(commits(repo).size(), 1);
        // Used exactly as given: a trimmed path would find no repository.
        if (name.endsWith(u' '))
            QCOMPARE(status(repo.chopped(1)), GitStatus::notAvailable());
    }
};

QTEST_GUILESS_MAIN(GitReaderTest)
#include "tst_gitreader.moc"
