// SPDX-License-Identifier: MIT
#include "model/dates.h"
#include "model/recordjson.h"

#include <QJsonDocument>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace RecordJson;

namespace {

QJsonObject json(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}

} // namespace

class TestRecords final : public QObject {
    Q_OBJECT

private slots:
    void missingKeysTakeDefaultsAndAbsentOnesAreNotWritten()
    {
        const auto project =
            std::get<ProjectConfig>(readProject(json(R"({"name": "Web", "localPath": "/p"})")));
        QJsonObject expected =
            json(R"({"emoji": "📦", "localPath": "/p", "name": "Web", "sortIndex": 0,)"
                 R"("status": "development"})");
        expected["id"_L1] = uuidText(project.id);
        QCOMPARE(write(project), expected);
        QVERIFY(std::get<ProjectFolder>(readFolder(json(R"({"name": "F"})"))).isExpanded);

        // Null is absent; ids are written in upper case, dates as seconds since 2001.
        const auto card = std::get<TaskCard>(
            readCard(json(R"({"projectID": "6f1c2c4e-9d3a-4c59-8e0a-3a3b7d2e1f00", "title": "T",)"
                          R"("priority": null, "dueDate": null})"),
                     Dates::fromReferenceSeconds(60)));
        expected = json(R"({"archived": false, "checklist": [], "column": "idea", "createdAt": 60,)"
                        R"("isDeployFix": false, "labelIDs": [], "note": "", "sortIndex": 0,)"
                        R"("projectID": "6F1C2C4E-9D3A-4C59-8E0A-3A3B7D2E1F00",)"
                        R"("timeSpentSeconds": 0, "title": "T"})");
        expected["id"_L1] = uuidText(card.id);
        QCOMPARE(write(card), expected);
        QVERIFY(!project.id.isNull() && !card.id.isNull());
    }

    void formatsDurations()
    {
        const QList<std::pair<qint64, QString>> table{
            {0, u"0:00"_s},       {3599, u"59:59"_s},       {3600, u"1:00:00"_s},
            {3661, u"1:01:01"_s}, {360000, u"100:00:00"_s}, {-90, u"-1:30"_s}};
        for (const auto &[seconds, text] : table)
            QCOMPARE(formatDuration(seconds), text);
    }

    void derivedCardValues()
    {
        const QDateTime now = Dates::fromReferenceSeconds(1000);
        TaskCard card;
        card.timeSpentSeconds = 100;
        card.timerStartedAt = now.addMSecs(-30'900);
        QCOMPARE(card.currentTimeSpentSeconds(now), 130);
        QCOMPARE(card.currentTimeSpentSeconds(now.addSecs(-60)), 100); // the clock was set back
        card.checklist = {{{}, u"a"_s, true}, {{}, u"b"_s, false}, {{}, u"c"_s, true}};
        QCOMPARE(card.checklistProgress(), std::make_pair(2, 3));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
