// SPDX-License-Identifier: MIT
#include "services/formatters.h"
#include "services/localization.h"
#include "support/testenvironment.h"

#include <QtTest>

#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A fixed moment in local time, far from any daylight-saving change.
QDateTime fixedNow()
{
    return QDateTime(QDate(2026, 3, 10), QTime(12, 0));
}

} // namespace

class FormattersTest final : public QObject {
    Q_OBJECT

private slots:
    void init();

    void relativeWording_data();
    void relativeWording();
    void relativeFollowsLanguageSwitch();
    void relativeFromSeveralThreads();
    void relativeOfInvalidDateIsEmpty();
    void filenameStampInLocalTime();

private:
    TestEnvironment m_environment;
};

void FormattersTest::init()
{
    m_environment.resetPreferences();
}

void FormattersTest::relativeWording_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<AppLanguage>("language");
    QTest::addColumn<QStringList>("words");

    const auto cs = AppLanguage::Cs;
    const auto en = AppLanguage::En;
    QTest::newRow("en 5 min ago") << qint64(-300) << en << QStringList{u"5"_s, u"min"_s, u"ago"_s};
    QTest::newRow("cs 5 min ago") << qint64(-300) << cs << QStringList{u"před"_s, u"5"_s, u"min"_s};
    QTest::newRow("en in 5 min") << qint64(300) << en << QStringList{u"in 5"_s, u"min"_s};
    QTest::newRow("cs in 5 min") << qint64(300) << cs << QStringList{u"za 5"_s, u"min"_s};
    QTest::newRow("en 59 s") << qint64(-59) << en << QStringList{u"59"_s, u"sec"_s};
    QTest::newRow("en 2 h") << qint64(-2 * 3600 - 59) << en << QStringList{u"2"_s, u"hr"_s};
    QTest::newRow("cs 2 h") << qint64(-2 * 3600) << cs << QStringList{u"před 2"_s, u"h"_s};
    QTest::newRow("en 23 h") << qint64(-23 * 3600) << en << QStringList{u"23"_s, u"hr"_s};
    QTest::newRow("en yesterday") << qint64(-86400) << en << QStringList{u"yesterday"_s};
    QTest::newRow("cs yesterday") << qint64(-86400) << cs << QStringList{u"včera"_s};
    QTest::newRow("en 3 days") << qint64(-3 * 86400) << en << QStringList{u"3"_s, u"day"_s};
    QTest::newRow("cs 3 days") << qint64(-3 * 86400) << cs << QStringList{u"před 3"_s, u"dn"_s};
    QTest::newRow("en 2 weeks") << qint64(-15 * 86400) << en << QStringList{u"2"_s, u"wk"_s};
    QTest::newRow("en 3 months") << qint64(-95 * 86400) << en << QStringList{u"3"_s, u"mo"_s};
    QTest::newRow("en 2 years") << qint64(-800 * 86400) << en << QStringList{u"2"_s, u"yr"_s};
    QTest::newRow("cs 2 years") << qint64(-800 * 86400) << cs << QStringList{u"před 2"_s, u"r"_s};
    QTest::newRow("en now") << qint64(0) << en << QStringList{u"now"_s};
    QTest::newRow("cs now") << qint64(0) << cs << QStringList{u"nyní"_s};
    QTest::newRow("en 6 days 23 h")
        << qint64(-6 * 86400 - 23 * 3600) << en << QStringList{u"6 days ago"_s};
    QTest::newRow("en last week") << qint64(-7 * 86400) << en << QStringList{u"last wk"_s};
    QTest::newRow("en next week") << qint64(7 * 86400) << en << QStringList{u"next wk"_s};
    QTest::newRow("en last month") << qint64(-31 * 86400) << en << QStringList{u"last mo"_s};
    QTest::newRow("cs last month") << qint64(-31 * 86400) << cs << QStringList{u"minul"_s};
}

void FormattersTest::relativeWording()
{
    QFETCH(qint64, seconds);
    QFETCH(AppLanguage, language);
    QFETCH(QStringList, words);

    AppLanguageStore::setCurrent(language);
    const QString text = Formatters::relative(fixedNow().addSecs(seconds), fixedNow());
    for (const QString &word : words)
        QVERIFY2(text.contains(word), qPrintable(text));
}

void FormattersTest::relativeFollowsLanguageSwitch()
{
    const QDateTime date = fixedNow().addSecs(-300);
    const QString czech = Formatters::relative(date, fixedNow());
    QCOMPARE(Formatters::relative(date, fixedNow()), czech);

    AppLanguageStore::setCurrent(AppLanguage::En);
    const QString english = Formatters::relative(date, fixedNow());
    QVERIFY(english.contains(u"ago"));
    QVERIFY(english != czech);

    AppLanguageStore::setCurrent(AppLanguage::Cs);
    QCOMPARE(Formatters::relative(date, fixedNow()), czech);
    AppLanguageStore::setCurrent(AppLanguage::En);
    QCOMPARE(Formatters::relative(date, fixedNow()), english);
}

void FormattersTest::relativeFromSeveralThreads()
{
    AppLanguageStore::setCurrent(AppLanguage::En);
    const QDateTime date = fixedNow().addSecs(-7200);
    const QString expected = Formatters::relative(date, fixedNow());

    std::vector<QString> results(4);
    std::vector<std::thread> threads;
    for (QString &result : results) {
        threads.emplace_back([&result, date] {
            for (int i = 0; i < 50; ++i)
                result = Formatters::relative(date, fixedNow());
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (const QString &result : results)
        QCOMPARE(result, expected);
}

void FormattersTest::relativeOfInvalidDateIsEmpty()
{
    QCOMPARE(Formatters::relative(QDateTime(), fixedNow()), QString());
    QCOMPARE(Formatters::filenameStamp(QDateTime()), QString());
}

void FormattersTest::filenameStampInLocalTime()
{
    QCOMPARE(Formatters::filenameStamp(QDateTime(QDate(2026, 12, 5), QTime(6, 53, 41))),
             u"2026-12-05-0653"_s);
    const QDateTime utc(QDate(2026, 12, 5), QTime(6, 53), Qt::UTC);
    QCOMPARE(Formatters::filenameStamp(utc), utc.toLocalTime().toString(u"yyyy-MM-dd-HHmm"_s));
}

QTEST_GUILESS_MAIN(FormattersTest)
#include "tst_formatters.moc"
