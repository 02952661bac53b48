// SPDX-License-Identifier: MIT
#include "model/colornames.h"
#include "model/dates.h"
#include "model/recordjson.h"
#include "support/testenvironment.h"

#include <QJsonDocument>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace RecordJson;

namespace {

const QString someId = u"6F1C2C4E-9D3A-4C59-8E0A-3A3B7D2E1F00"_s;

QJsonObject json(const QString &text)
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

QDateTime at(double referenceSeconds)
{
    return Dates::fromReferenceSeconds(referenceSeconds);
}

template<typename T> T decoded(const Decoded<T> &result)
{
    if (const auto *error = std::get_if<DecodeError>(&result))
        qFatal("unexpected decode error: %s", qPrintable(error->message));
    return std::get<T>(result);
}

} // namespace

class TestRecords final : public QObject {
    Q_OBJECT

private slots:
    void projectMissingKeysTakeDefaultsAndAbsentOnesAreNotWritten()
    {
        const auto project =
            decoded(readProject(json(u"{\"name\":\"Web\",\"localPath\":\"/p\"}"_s)));
        QVERIFY(!project.id.isNull());
        QCOMPARE(project.emoji, u"📦"_s);
        QCOMPARE(project.status, ProjectStatus::Development);
        QCOMPARE(project.folderID, std::nullopt);
        QCOMPARE(project.sortIndex, 0.0);
        QCOMPARE(write(project).keys(),
                 QStringList({"emoji", "id", "localPath", "name", "sortIndex", "status"}));

        const auto folder = decoded(readFolder(json(u"{\"name\":\"F\"}"_s)));
        QVERIFY(folder.isExpanded);
        QCOMPARE(folder.sortIndex, 0.0);
    }

    void cardMissingOrNullKeysTakeDefaults()
    {
        const QDateTime now = at(1000.5);
        const auto card = decoded(readCard(
            json(u"{\"projectID\":\"%1\",\"title\":\"T\",\"priority\":null,\"dueDate\":null}"_s.arg(
                someId)),
            now));
        QCOMPARE(card.column, KanbanColumn::Idea);
        QCOMPARE(card.createdAt, now);
        QVERIFY(card.labelIDs.isEmpty() && card.checklist.isEmpty());
        QCOMPARE(card.priority, std::nullopt);
        QCOMPARE(card.dueDate, std::nullopt);
        const QJsonObject written = write(card);
        for (const char *absent :
             {"completedAt", "dueDate", "coverColorName", "priority", "timerStartedAt"})
            QVERIFY2(!written.contains(QLatin1String(absent)), absent);
        QCOMPARE(written.value("labelIDs"_L1), QJsonArray());
    }

    void fullCardRoundTripsWithDatesAsNumbers()
    {
        TaskCard card{QUuid::createUuid(),
                      QUuid::createUuid(),
                      u"Titul"_s,
                      u"Poznámka"_s,
                      KanbanColumn::Done,
                      at(60),
                      at(120.25),
                      true,
                      at(-86400.5),
                      {QUuid::createUuid()},
                      {{QUuid::createUuid(), u"a"_s, true}},
                      true,
                      -1.5,
                      u"blue"_s,
                      CardPriority::High,
                      3601,
                      at(200)};
        const QJsonObject written = write(card);
        QCOMPARE(written.value("createdAt"_L1), QJsonValue(60));
        QCOMPARE(written.value("id"_L1).toString(),
                 card.id.toString(QUuid::WithoutBraces).toUpper());
        QCOMPARE(written.value("priority"_L1), QJsonValue(u"high"_s));
        QCOMPARE(decoded(readCard(written, at(0))), card);
    }

    void idsMustBeCanonicalText()
    {
        const QList<std::pair<QString, bool>> table{
            {someId, true},
            {someId.toLower(), true},
            {u"00000000-0000-0000-0000-000000000000"_s, true},
            {u"{%1}"_s.arg(someId), false},
            {QString(someId).remove(u'-'), false},
            {QString(someId).replace(u'F', u'G'), false},
            {someId.left(30), false},
        };
        for (const auto &[text, valid] : table) {
            const auto label = readLabel(
                json(u"{\"id\":\"%1\",\"name\":\"n\",\"colorName\":\"red\"}"_s.arg(text)));
            QVERIFY2(std::holds_alternative<CardLabel>(label) == valid, qPrintable(text));
            if (valid)
                QCOMPARE(uuidText(std::get<CardLabel>(label).id), text.toUpper());
        }
    }

    void labelsAndColours()
    {
        QCOMPARE(ColorNames::resolved(u"pink"_s), u"gray"_s);
        QCOMPARE(ColorNames::resolved(u"Red"_s), u"gray"_s);
        QCOMPARE(ColorNames::resolved(u"purple"_s), u"purple"_s);
        const QList<CardLabel> first = CardLabel::defaults();
        QCOMPARE(first.size(), 6);
        QCOMPARE(first[1].name, u"Vylepšení"_s);
        QCOMPARE(first[5].colorName, u"purple"_s);
        QVERIFY(first[0].id != CardLabel::defaults()[0].id);
    }

    void formatsDurations_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << u"0:00"_s;
        QTest::newRow("59") << qint64(59) << u"0:59"_s;
        QTest::newRow("3599") << qint64(3599) << u"59:59"_s;
        QTest::newRow("3600") << qint64(3600) << u"1:00:00"_s;
        QTest::newRow("3661") << qint64(3661) << u"1:01:01"_s;
        QTest::newRow("uncapped hours") << qint64(360000) << u"100:00:00"_s;
        QTest::newRow("negative") << qint64(-90) << u"-1:30"_s;
    }

    void formatsDurations()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(formatDuration(seconds), text);
    }

    void derivedCardValues()
    {
        TaskCard card;
        card.timeSpentSeconds = 100;
        const QDateTime now = at(1000);
        QCOMPARE(card.currentTimeSpentSeconds(now), 100);
        card.timerStartedAt = now.addMSecs(-30'900);
        QCOMPARE(card.currentTimeSpentSeconds(now), 130);
        card.timerStartedAt = now.addSecs(50); // the clock was set back since the start
        QCOMPARE(card.currentTimeSpentSeconds(now), 100);

        QCOMPARE(card.checklistProgress(), std::make_pair(0, 0));
        card.checklist = {{QUuid::createUuid(), u"a"_s, true},
                          {QUuid::createUuid(), u"b"_s, false},
                          {QUuid::createUuid(), u"c"_s, true}};
        QCOMPARE(card.checklistProgress(), std::make_pair(2, 3));
    }

private:
    TestEnvironment m_env;
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
