// SPDX-License-Identifier: MIT
#include "ui/components/rowdiff.h"

#include <QtTest>

using Sections = QList<QList<QUuid>>;
using Kind = RowDiff::Step::Kind;

namespace {

// Ids named by letters, the same letter the same id.
QUuid id(QChar letter)
{
    return QUuid(uint(letter.unicode()), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
}

Sections sections(const QStringList &texts)
{
    Sections result;
    for (const QString &text : texts) {
        QList<QUuid> rows;
        for (QChar letter : text)
            rows.append(id(letter));
        result.append(rows);
    }
    return result;
}

} // namespace

class RowDiffTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stepsReachTheDesiredRowsKeepingThoseThatStay_data()
    {
        QTest::addColumn<QStringList>("current");
        QTest::addColumn<QStringList>("desired");
        QTest::addColumn<int>("moves");
        QTest::addColumn<int>("steps");
        QTest::newRow("fill empty at once") << QStringList{""} << QStringList{"abcd"} << 0 << 1;
        QTest::newRow("clear at once") << QStringList{"abcd"} << QStringList{""} << 0 << 1;
        QTest::newRow("unchanged") << QStringList{"abc"} << QStringList{"abc"} << 0 << 0;
        QTest::newRow("last to first") << QStringList{"abcd"} << QStringList{"dabc"} << 1 << 1;
        QTest::newRow("first to last") << QStringList{"abcd"} << QStringList{"bcda"} << 3 << 3;
        QTest::newRow("filter keeps some") << QStringList{"abcdef"} << QStringList{"bdf"} << 3 << 4;
        QTest::newRow("insert inside") << QStringList{"ad"} << QStringList{"abcd"} << 0 << 1;
        QTest::newRow("across sections")
            << QStringList{"ab", "cd", ""} << QStringList{"b", "acd", "x"} << 2 << 3;
        QTest::newRow("section emptied into others")
            << QStringList{"", "ab", "cd"} << QStringList{"ca", "", "db"} << 3 << 3;
    }

    void stepsReachTheDesiredRowsKeepingThoseThatStay()
    {
        QFETCH(QStringList, current);
        QFETCH(QStringList, desired);
        QFETCH(int, moves);
        QFETCH(int, steps);
        Sections rows = sections(current);
        const QList<RowDiff::Step> diff = RowDiff::steps(rows, sections(desired));
        const QList<QUuid> wanted = sections({desired.join(QString())}).first();
        int moved = 0;
        for (const RowDiff::Step &step : diff) {
            // A row that stays is moved, never removed and inserted again.
            if (step.kind == Kind::Remove) {
                for (int i = 0; i < step.count; ++i)
                    QVERIFY(!wanted.contains(rows[step.section][step.row + i]));
            }
            moved += step.kind == Kind::Move ? 1 : 0;
            RowDiff::apply(rows, step);
        }
        QCOMPARE(rows, sections(desired));
        QCOMPARE(moved, moves);
        QCOMPARE(diff.size(), steps);
    }
};

QTEST_GUILESS_MAIN(RowDiffTest)
#include "tst_rowdiff.moc"
