// SPDX-License-Identifier: MIT
#include "i18n/localization.h"
#include "i18n/plural.h"
#include "i18n/translations.h"
#include "services/languageswitch.h"
#include "services/preferences.h"
#include "support/testenvironment.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Counts the LanguageChange events the application receives: what Qt then posts to every
// window.
class LanguageChanges final : public QObject {
    Q_DISABLE_COPY_MOVE(LanguageChanges)

public:
    LanguageChanges() { QCoreApplication::instance()->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
    int count = 0;
};

// Qt's own text of a file dialog's folder field, as installed translators give it.
QString qtLookIn()
{
    return QCoreApplication::translate("QFileDialog", "Look in:");
}

} // namespace

class LocalizationTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Runs before anything else in this process: no translator, nothing built yet.
        QCOMPARE(L(u"Hotovo"_s), u"Hotovo"_s);
        QCOMPARE(Localization::language(), AppLanguage::Cs);
        const Preferences czech; // nothing stored
        {
            const LanguageSwitch language(czech);
            QCOMPARE(L(u"Otevřít Quaylin"_s), u"Otevřít Quaylin"_s);
            QVERIFY(qtLookIn() != u"Look in:"_s); // Qt's own Czech catalogue
        }
        QVERIFY(!Translations::isBuilt());
        QCOMPARE(Translations::text(AppLanguage::En, u"Hotovo"_s), u"Done"_s);
        QVERIFY(Translations::isBuilt());
    }

    void onlyEnSelectsEnglish()
    {
        m_environment.resetPreferences();
        QCOMPARE(Preferences().language(), AppLanguage::Cs);
        for (const QString &stored : {u""_s, u"cs"_s, u"CS"_s, u"EN"_s, u"english"_s, u"en"_s}) {
            QSettings(u"Quaylin"_s, u"Quaylin"_s)
                .setValue(QLatin1String(Preferences::languageKey), stored);
            const Preferences preferences;
            const LanguageSwitch language(preferences);
            const bool english = stored == u"en";
            QCOMPARE(preferences.language(), english ? AppLanguage::En : AppLanguage::Cs);
            QCOMPARE(preferences.languageRaw(), stored);
            QCOMPARE(L(u"Ve vývoji"_s), english ? u"In development"_s : u"Ve vývoji"_s);
        }
    }

    void switchFollowsThePreferenceAndLeavesCzech()
    {
        m_environment.resetPreferences();
        Preferences preferences;
        LanguageChanges changes;
        const AppLanguage before = Localization::language();
        auto language = std::make_unique<LanguageSwitch>(preferences);
        QSignalSpy changed(&preferences, &Preferences::languageChanged);
        const int atStart = changes.count;
        preferences.setLanguage(AppLanguage::En);
        preferences.setLanguage(AppLanguage::En);
        QCOMPARE(changed.size(), 1);
        QVERIFY(changes.count > atStart); // every window hears of it
        QCOMPARE(L(u"Hotovo"_s), u"Done"_s);
        QCOMPARE(L(u"Obnovit"_s, "refresh"), u"Refresh"_s);
        QCOMPARE(qtLookIn(), u"Look in:"_s);
        // The dictionary answers the interface's texts only, never those of Qt's classes.
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Hotovo"), u"Hotovo"_s);
        // Dates read the same language through the default locale.
        QCOMPARE(Localization::language(), AppLanguage::En);
        QCOMPARE(QLocale().name(), u"en_US"_s);
        QCOMPARE(Preferences().languageRaw(), u"en"_s); // written through to the file

        const int afterEnglish = changes.count;
        preferences.setLanguage(AppLanguage::Cs);
        QCOMPARE(changed.size(), 2);
        QVERIFY(changes.count > afterEnglish);
        QCOMPARE(L(u"Hotovo"_s), u"Hotovo"_s);
        QCOMPARE(QLocale().name(), u"cs_CZ"_s);

        // Gone, it leaves no translator behind: the Czech source texts, the former locale.
        preferences.setLanguage(AppLanguage::En);
        language.reset();
        QCOMPARE(L(u"Hotovo"_s), u"Hotovo"_s);
        QCOMPARE(qtLookIn(), u"Look in:"_s);
        QCOMPARE(Localization::language(), before);
    }

    void keysMatchExactlyInTheirContext()
    {
        using enum AppLanguage;
        const QString twoLines = u"Zatím žádné projekty.\nPřidej je v hlavním okně."_s;
        QCOMPARE(Translations::text(En, twoLines),
                 u"No projects yet.\nAdd them in the main window."_s);
        for (const QString &text :
             {u"Hotovo "_s, u" Hotovo"_s, u"hotovo"_s, u"Načítám..."_s, u"nepushnutý"_s, QString(),
              QString(twoLines).replace(u'\n', u' '), QString(twoLines).replace(u"\n"_s, u"\\n"_s)})
            QCOMPARE(Translations::text(En, text), text);
        QCOMPARE(Translations::text(Cs, u"Hotovo"_s), u"Hotovo"_s);

        // A text with two meanings is found only in its context; a context a text does not
        // need falls back to its one meaning.
        QCOMPARE(Translations::text(En, u"Obnovit"_s, "refresh"), u"Refresh"_s);
        QCOMPARE(Translations::text(En, u"Obnovit"_s, "archive"), u"Restore"_s);
        QCOMPARE(Translations::text(En, u"Obnovit"_s), u"Obnovit"_s);
        QCOMPARE(Translations::text(En, u"Hotovo"_s, "refresh"), u"Done"_s);

        // An escaped "\n" in the table would reach the screen as a backslash and a letter.
        const auto &dictionary = Translations::dictionary();
        QVERIFY(dictionary.size() > 150);
        for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it) {
            const QString pair = it.key() + u" | "_s + it.value();
            QVERIFY2(!it.value().isEmpty() && !pair.contains(u'\\') && !pair.contains(u"..."),
                     qPrintable(pair));
        }
    }

    void countsAgreeWithTheirNoun()
    {
        const auto commits = [](qint64 n) {
            return Plural::counted(n, u"commit"_s, u"commity"_s, u"commitů"_s);
        };
        QCOMPARE(commits(1), u"1 commit"_s);
        QCOMPARE(commits(-1), u"-1 commit"_s);
        for (const qint64 few : {2, 3, 4, -2})
            QCOMPARE(commits(few), QString::number(few) + u" commity"_s);
        for (const qint64 many : {0, 5, 11, 12, 21, 22, 100, 1000000})
            QCOMPARE(commits(many), QString::number(many) + u" commitů"_s);
    }

private:
    TestEnvironment m_environment;
};

QTEST_GUILESS_MAIN(LocalizationTest)
#include "tst_localization.moc"
