// SPDX-License-Identifier: MIT
#include "i18n/localization.h"
#include "i18n/translations.h"
#include "services/preferences.h"
#include "support/testenvironment.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class LocalizationTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Runs before anything else in this process, so nothing has built the dictionary yet.
        QCOMPARE(L(u"Hotovo"_s), u"Hotovo"_s); // no language stored
        Localization::setLanguage(AppLanguage::Cs);
        QCOMPARE(L(u"Otevřít Quaylin"_s), u"Otevřít Quaylin"_s);
        QVERIFY(!Translations::isBuilt());
        Localization::setLanguage(AppLanguage::En);
        QCOMPARE(L(u"Hotovo"_s), u"Done"_s);
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
            const bool english = stored == u"en";
            QCOMPARE(preferences.language(), english ? AppLanguage::En : AppLanguage::Cs);
            QCOMPARE(preferences.languageRaw(), stored);
            QCOMPARE(L(u"Ve vývoji"_s), english ? u"In development"_s : u"Ve vývoji"_s);
        }
    }

    void switchingSignalsOnceAndIsStored()
    {
        m_environment.resetPreferences();
        Preferences preferences;
        QSignalSpy changed(&preferences, &Preferences::languageChanged);
        preferences.setLanguage(AppLanguage::En);
        preferences.setLanguage(AppLanguage::En);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(L(u"Hotovo"_s), u"Done"_s);
        QCOMPARE(Preferences().languageRaw(), u"en"_s); // written through to the file
        preferences.setLanguage(AppLanguage::Cs);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(L(u"Hotovo"_s), u"Hotovo"_s);
    }

    void keysMatchExactly()
    {
        Localization::setLanguage(AppLanguage::En);
        const QString twoLines = u"Zatím žádné projekty.\nPřidej je v hlavním okně."_s;
        QCOMPARE(L(twoLines), u"No projects yet.\nAdd them in the main window."_s);
        for (const QString &text :
             {u"Hotovo "_s, u" Hotovo"_s, u"hotovo"_s, u"Načítám..."_s, u"nepushnuto"_s, QString(),
              QString(twoLines).replace(u'\n', u' '), QString(twoLines).replace(u"\n"_s, u"\\n"_s)})
            QCOMPARE(L(text), text);

        // An escaped "\n" in the table would reach the screen as a backslash and a letter.
        const auto &dictionary = Translations::dictionary();
        QVERIFY(dictionary.size() > 150);
        for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it) {
            const QString pair = it.key() + u" | "_s + it.value();
            QVERIFY2(!it.value().isEmpty() && !pair.contains(u'\\') && !pair.contains(u"..."),
                     qPrintable(pair));
        }
    }

    void translatesTextsOfEveryScreen()
    {
        Localization::setLanguage(AppLanguage::En);
        const QList<std::pair<QString, QString>> pairs{
            {u"Hotové"_s, u"Done"_s},
            {u"Načítám…"_s, u"Loading…"_s},
            {u"Odstranit projekt ze Quaylin?"_s, u"Remove project from Quaylin?"_s},
            {u"Úkol hotový — commitneme?"_s, u"Task done — let's commit?"_s},
            {u"Tuhle akci nejde vzít zpět."_s, u"This can't be undone."_s},
            {u" (volitelné)"_s, u" (optional)"_s},
            {u"Data v"_s, u"Data stored in"_s},
            {u"Ukončit"_s, u"Quit"_s}};
        for (const auto &[czech, english] : pairs)
            QCOMPARE(L(czech), english);
    }

private:
    TestEnvironment m_environment;
};

QTEST_GUILESS_MAIN(LocalizationTest)
#include "tst_localization.moc"
