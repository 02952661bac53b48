// SPDX-License-Identifier: MIT
#include "services/localization.h"
#include "sources/gitoutput.h"
#include "sources/gitstatus.h"
#include "support/testenvironment.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class GitOutputTest final : public QObject {
    Q_OBJECT

    TestEnvironment m_environment;
    const QString us = QString(QChar(0x1f));

private slots:
    void init() { m_environment.resetPreferences(); }

    void branchAndChanges()
    {
        QCOMPARE(GitOutput::branch(u"  feature/ž-1 \r\n"_s), u"feature/ž-1"_s);
        QCOMPARE(GitOutput::branch(u" \n\t\n"_s), std::nullopt);
        QCOMPARE(GitOutput::changeCount(u"\n  \n"_s), 0);
        QCOMPARE(GitOutput::changeCount(u"?? a\n?? b\n?? c\n"_s), 3);
        QCOMPARE(GitOutput::changeCount(u" M x\n\nA  y\n?? z"_s), 3);
    }

    void behindAhead_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("behind");
        QTest::addColumn<int>("ahead");
        QTest::newRow("behind then ahead") << u"3\t1\n"_s << 3 << 1;
        QTest::newRow("empty pieces dropped") << u"\t2\t\t5\t\n"_s << 2 << 5;
        QTest::newRow("junk pieces skipped") << u"x\t4\t0x10\t7"_s << 4 << 7;
        QTest::newRow("one number") << u"4\n"_s << 0 << 0;
        QTest::newRow("three numbers") << u"1\t2\t3"_s << 0 << 0;
        QTest::newRow("junk") << u"fatal: no upstream"_s << 0 << 0;
        QTest::newRow("space inside a piece") << u"1\t 2"_s << 0 << 0;
    }
    void behindAhead()
    {
        QFETCH(QString, output);
        QFETCH(int, behind);
        QFETCH(int, ahead);
        QCOMPARE(GitOutput::behindAhead(output), std::pair(behind, ahead));
    }

    void commits_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QList<CommitInfo>>("commits");
        QTest::newRow("in order, blank lines dropped")
            << (u"\na1"_s + us + u"Add X"_s + us + u"2 hours ago\n\nb2"_s + us + u" Fix "_s + us +
                u"3 days ago\n"_s)
            << QList<CommitInfo>{{u"a1"_s, u"Add X"_s, u"2 hours ago"_s},
                                 {u"b2"_s, u" Fix "_s, u"3 days ago"_s}};
        QTest::newRow("empty subject or date skipped")
            << (u"a"_s + us + us + u"now\nb"_s + us + u"s"_s + us + u"\nc"_s + us + u"s"_s + us +
                u"d"_s)
            << QList<CommitInfo>{{u"c"_s, u"s"_s, u"d"_s}};
        QTest::newRow("further separators stay in the date")
            << (us + u"a"_s + us + us + u"s"_s + us + u"d1"_s + us + u"d2"_s)
            << QList<CommitInfo>{{u"a"_s, u"s"_s, u"d1"_s + us + u"d2"_s}};
        QTest::newRow("no separators") << u"fatal: bad\n"_s << QList<CommitInfo>();
    }
    void commits()
    {
        QFETCH(QString, output);
        QFETCH(QList<CommitInfo>, commits);
        QCOMPARE(GitOutput::commits(output), commits);
    }

    void labels_data()
    {
        QTest::addColumn<GitStatus>("status");
        QTest::addColumn<QString>("czech");
        QTest::addColumn<QString>("english");
        QTest::newRow("unknown") << GitStatus::unknown() << u"Načítám…"_s << u"Loading…"_s;
        QTest::newRow("not available")
            << GitStatus::notAvailable() << u"Git nedostupný"_s << u"Git unavailable"_s;
        QTest::newRow("clean") << GitStatus::clean(u"main"_s, 0, 0) << u"main · čisto"_s
                               << u"main · clean"_s;
        QTest::newRow("clean ahead")
            << GitStatus::clean(u"main"_s, 2, 0) << u"main ↑2"_s << u"main ↑2"_s;
        QTest::newRow("clean behind")
            << GitStatus::clean(u"dev"_s, 0, 12) << u"dev ↓12"_s << u"dev ↓12"_s;
        QTest::newRow("dirty") << GitStatus::dirty(u"main"_s, 5, 1, 3)
                               << u"main · 5 změn · ↑1 · ↓3"_s << u"main · 5 changes · ↑1 · ↓3"_s;
    }
    void labels()
    {
        QFETCH(GitStatus, status);
        QFETCH(QString, czech);
        QFETCH(QString, english);
        QCOMPARE(status.label(), czech);
        AppLanguageStore::setCurrent(AppLanguage::En);
        QCOMPARE(status.label(), english);
    }
};

QTEST_GUILESS_MAIN(GitOutputTest)
#include "tst_gitoutput.moc"
