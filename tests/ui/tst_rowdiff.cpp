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
        // Whether the rows that stay change their order (or section); when not, none moves.
        QTest::addColumn<bool>("reordered");
        QTest::newRow("fill empty") << QStringList{""} << QStringList{"abcd"} << false;
        QTest::newRow("clear") << QStringList{"abcd"} << QStringList{""} << false;
        QTest::newRow("unchanged") << QStringList{"abc"} << QStringList{"abc"} << false;
        QTest::newRow("last to first") << QStringList{"abcd"} << QStringList{"dabc"} << true;
        QTest::newRow("first to last") << QStringList{"abcd"} << QStringList{"bcda"} << true;
        QTest::newRow("reversed") << QStringList{"abcdef"} << QStringList{"fedcba"} << true;
        QTest::newRow("filter keeps some") << QStringList{"abcdef"} << QStringList{"bdf"} << false;
        QTest::newRow("first removed") << QStringList{"abcdef"} << QStringList{"bcdef"} << false;
        QTest::newRow("insert inside") << QStringList{"ad"} << QStringList{"abcd"} << false;
        QTest::newRow("removed, inserted and moved")
            << QStringList{"abcde"} << QStringList{"xeby"} << true;
        QTest::newRow("across sections")
            << QStringList{"ab", "cd", ""} << QStringList{"b", "acd", "x"} << true;
        QTest::newRow("section emptied into others")
            << QStringList{"", "ab", "cd"} << QStringList{"ca", "", "db"} << true;
        QTest::newRow("removed from every section")
            << QStringList{"abc", "def"} << QStringList{"ac", "f"} << false;
    }

    void stepsReachTheDesiredRowsKeepingThoseThatStay()
    {
        QFETCH(QStringList, current);
        QFETCH(QStringList, desired);
        QFETCH(bool, reordered);
        Sections rows = sections(current);
        const QList<QUuid> before = sections({current.join(QString())}).first();
        const QList<QUuid> wanted = sections({desired.join(QString())}).first();
        bool moved = false;
        for (const RowDiff::Step &step : RowDiff::steps(rows, sections(desired))) {
            // A row that stays is moved, never removed and inserted again.
            if (step.kind == Kind::Remove) {
                for (int i = 0; i < step.count; ++i)
                    QVERIFY(!wanted.contains(rows[step.section][step.row + i]));
            }
            if (step.kind == Kind::Insert) {
                QCOMPARE(step.ids.size(), step.count);
                for (const QUuid &id : step.ids)
                    QVERIFY(!before.contains(id));
            }
            moved = moved || step.kind == Kind::Move;
            RowDiff::apply(rows, step);
        }
        QCOMPARE(rows, sections(desired));
        if (!reordered)
            QVERIFY(!moved);
    }
};

QTEST_GUILESS_MAIN(RowDiffTest)
#include "tst_rowdiff.moc"
