// SPDX-License-Identifier: MIT
#include "i18n/formatters.h"
#include "i18n/localization.h"
#include "services/languageswitch.h"
#include "services/preferences.h"
#include "support/testenvironment.h"

#include <QtTest>

#include <ctime>

using namespace Qt::StringLiterals;

namespace {

// A fixed moment in local time, more than a week away from Prague's daylight-saving changes.
// Relative times count calendar days in local time, so the zone is pinned (see initTestCase).
QDateTime now()
{
    return QDateTime(QDate(2026, 3, 10), QTime(12, 0));
}

} // namespace

class FormattersTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Prague");
        tzset();
    }

    void relativeWordingInBothLanguages()
    {
        using enum AppLanguage;
        const qint64 day = 86400;
        const QList<std::tuple<qint64, AppLanguage, QStringList>> table{
            {-300, En, {u"5"_s, u"min"_s, u"ago"_s}},
            {-300, Cs, {u"před 5"_s, u"min"_s}},
            {300, En, {u"in 5"_s, u"min"_s}},
            {300, Cs, {u"za 5"_s, u"min"_s}},
            {0, En, {u"now"_s}},
            {-2 * 3600 - 3599, En, {u"2"_s, u"hr"_s}},
            {-day, En, {u"yesterday"_s}},
            {-day, Cs, {u"včera"_s}},
            {-6 * day - 23 * 3600, En, {u"6 days ago"_s}},
            {-7 * day, En, {u"last wk"_s}},
            {-95 * day, En, {u"3"_s, u"mo"_s}},
            {-800 * day, En, {u"2"_s, u"yr"_s}}};
        for (const auto &[seconds, language, words] : table) {
            const QString text = relative(seconds, language);
            for (const QString &word : words)
                QVERIFY2(text.contains(word), qPrintable(u"%1 s: %2"_s.arg(seconds).arg(text)));
        }

        // Each language's formatter is built once and reused after switching back and forth.
        const QString czech = relative(-300, Cs);
        const QString english = relative(-300, En);
        QVERIFY(english != czech);
        QCOMPARE(relative(-300, Cs), czech);
        QCOMPARE(relative(-300, En), english);
    }

    void invalidDatesAndFilenameStamp()
    {
        QCOMPARE(Formatters::relative(QDateTime(), now()), QString());
        QCOMPARE(Formatters::filenameStamp(QDateTime()), QString());
        QCOMPARE(Formatters::filenameStamp(QDateTime(QDate(2026, 12, 5), QTime(6, 53, 41))),
                 u"2026-12-05-0653"_s);
    }

private:
    QString relative(qint64 seconds, AppLanguage language)
    {
        m_preferences.setLanguage(language);
        return Formatters::relative(now().addSecs(seconds), now());
    }

    TestEnvironment m_environment;
    Preferences m_preferences; // after the environment: reads its settings
    LanguageSwitch m_language{m_preferences};
};

QTEST_GUILESS_MAIN(FormattersTest)
#include "tst_formatters.moc"
