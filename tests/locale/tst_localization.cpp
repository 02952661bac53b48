// SPDX-License-Identifier: MIT
#include "services/localization.h"
#include "services/preferences.h"
#include "services/translations.h"
#include "support/testenvironment.h"

#include <QtTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

void storeLanguage(const std::optional<QString> &raw)
{
    QSettings settings = Preferences::open();
    if (raw)
        settings.setValue(QLatin1String(Preferences::languageKey), *raw);
    else
        settings.remove(QLatin1String(Preferences::languageKey));
}

} // namespace

class LocalizationTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void onlyEnTranslates_data();
    void onlyEnTranslates();
    void englishLeavesUnknownTextsAlone();
    void keysMatchExactly();
    void translatesTextsOfEveryScreen_data();
    void translatesTextsOfEveryScreen();
    void dictionaryHoldsRealLineBreaks();
    void languageRawValues();

private:
    TestEnvironment m_environment;
};

void LocalizationTest::initTestCase()
{
    // Runs before anything else in this process, so nothing has built the dictionary yet.
    QVERIFY(!Translations::isBuilt());
    storeLanguage(std::nullopt);
    QCOMPARE(L(QStringLiteral("Hotovo")), QStringLiteral("Hotovo"));
    AppLanguageStore::setCurrent(AppLanguage::Cs);
    QCOMPARE(L(QStringLiteral("Otevřít Quaylin")), QStringLiteral("Otevřít Quaylin"));
    QVERIFY(!Translations::isBuilt());

    AppLanguageStore::setCurrent(AppLanguage::En);
    QCOMPARE(L(QStringLiteral("Hotovo")), QStringLiteral("Done"));
    QVERIFY(Translations::isBuilt());
}

void LocalizationTest::init()
{
    m_environment.resetPreferences();
}

void LocalizationTest::onlyEnTranslates_data()
{
    QTest::addColumn<std::optional<QString>>("stored");
    QTest::addColumn<AppLanguage>("language");
    QTest::addColumn<QString>("expected");

    QTest::newRow("absent") << std::optional<QString>() << AppLanguage::Cs << u"Ve vývoji"_s;
    QTest::newRow("empty") << std::optional(QString()) << AppLanguage::Cs << u"Ve vývoji"_s;
    QTest::newRow("cs") << std::optional(u"cs"_s) << AppLanguage::Cs << u"Ve vývoji"_s;
    QTest::newRow("CS") << std::optional(u"CS"_s) << AppLanguage::Cs << u"Ve vývoji"_s;
    QTest::newRow("english") << std::optional(u"english"_s) << AppLanguage::Cs << u"Ve vývoji"_s;
    QTest::newRow("EN") << std::optional(u"EN"_s) << AppLanguage::Cs << u"Ve vývoji"_s;
    QTest::newRow("en") << std::optional(u"en"_s) << AppLanguage::En << u"In development"_s;
}

void LocalizationTest::onlyEnTranslates()
{
    QFETCH(std::optional<QString>, stored);
    QFETCH(AppLanguage, language);
    QFETCH(QString, expected);

    storeLanguage(stored);
    QCOMPARE(AppLanguageStore::current(), language);
    QCOMPARE(L(u"Ve vývoji"_s), expected);
}

void LocalizationTest::englishLeavesUnknownTextsAlone()
{
    AppLanguageStore::setCurrent(AppLanguage::En);
    QCOMPARE(L(u"3 nezacommitovaných změn"_s), u"3 nezacommitovaných změn"_s);
    QCOMPARE(L(u"nepushnuto"_s), u"nepushnuto"_s);
    QCOMPARE(L(QString()), QString());

    // The language is read on every lookup: switching back applies at once.
    AppLanguageStore::setCurrent(AppLanguage::Cs);
    QCOMPARE(L(u"Uložit"_s), u"Uložit"_s);
    AppLanguageStore::setCurrent(AppLanguage::En);
    QCOMPARE(L(u"Uložit"_s), u"Save"_s);
}

void LocalizationTest::keysMatchExactly()
{
    AppLanguageStore::setCurrent(AppLanguage::En);
    QCOMPARE(L(u"Hotovo "_s), u"Hotovo "_s);
    QCOMPARE(L(u" Hotovo"_s), u" Hotovo"_s);
    QCOMPARE(L(u"hotovo"_s), u"hotovo"_s);
    QCOMPARE(L(u"Nacitam..."_s), u"Nacitam..."_s); // ASCII dots are not the ellipsis

    const QString twoLines = u"Zatím žádné projekty.\nPřidej je v hlavním okně."_s;
    QCOMPARE(L(twoLines), u"No projects yet.\nAdd them in the main window."_s);
    const QString oneLine = u"Zatím žádné projekty. Přidej je v hlavním okně."_s;
    QCOMPARE(L(oneLine), oneLine);
    const QString escaped = u"Zatím žádné projekty.\\nPřidej je v hlavním okně."_s;
    QCOMPARE(L(escaped), escaped);
}

void LocalizationTest::translatesTextsOfEveryScreen_data()
{
    QTest::addColumn<QString>("czech");
    QTest::addColumn<QString>("english");

    const auto row = [](const char16_t *czech, const char16_t *english) {
        QTest::newRow(QString::fromUtf16(czech).toUtf8().constData())
            << QString::fromUtf16(czech) << QString::fromUtf16(english);
    };
    // Records and status texts.
    row(u"Ve vývoji", u"In development");
    row(u"Hotovo", u"Done");
    row(u"Hotové", u"Done");
    row(u"Vysoká", u"High");
    row(u"Bug", u"Bug");
    row(u"Hotovo brzy", u"Almost done");
    row(u"Načítám…", u"Loading…");
    row(u"Nasazuje se…", u"Deploying…");
    row(u"CI selhalo", u"CI failed");
    row(u"změn", u"changes");
    row(u"Oprav build", u"Fix build");
    row(u"Deploy selhal", u"Deploy failed");
    // Update banner and main window.
    row(u"Stáhni, otevři DMG a přetáhni Quaylin do Applications (potvrď přepsání).",
        u"Download, open the DMG and drag Quaylin into Applications (confirm overwrite).");
    row(u"Odstranit projekt ze Quaylin?", u"Remove project from Quaylin?");
    row(u"Smažou se i všechny jeho úkoly v kanbanu. Soubory na disku ani git historie se "
        u"nedotknou — jen appka o projektu přestane vědět.",
        u"Its kanban tasks will be deleted too. Files on disk and git history are untouched — "
        u"Quaylin just stops tracking it.");
    row(u"otevřených úkolů", u"open tasks");
    row(u"projektů", u"projects");
    row(u"Otevřít v", u"Open in");
    row(u"Obnovit", u"Restore");
    // Project detail.
    row(u"Úkol hotový — commitneme?", u"Task done — let's commit?");
    row(u"Commit message", u"Commit message");
    row(u"Úspěch", u"Success");
    // Kanban board and card detail.
    row(u"Hledat v úkolech…", u"Search tasks…");
    row(u"Přidej úkol tlačítkem +", u"Add a task with the + button");
    row(u"Podle termínu", u"By due date");
    row(u"Tuhle akci nejde vzít zpět.", u"This can't be undone.");
    row(u"Odebrat", u"Remove");
    row(u"Archivovat", u"Archive");
    row(u"Checklist", u"Checklist");
    // Project editor.
    row(u"https://… (volitelné)", u"https://… (optional)");
    row(u" (volitelné)", u" (optional)");
    row(u"Složka neexistuje", u"Folder doesn't exist");
    // Settings sheet.
    row(u"Data v ~/Library/Application Support/Quaylin",
        u"Data stored in ~/Library/Application Support/Quaylin");
    row(u"Po", u"After");
    row(u"dnech", u"days");
    row(u"Token není nastaven (nepovinné)", u"No token set (optional)");
    row(u"Netlify", u"Netlify");
    // Menu bar panel.
    row(u"Otevřít Quaylin", u"Open Quaylin");
    row(u"Zatím žádné projekty.\nPřidej je v hlavním okně.",
        u"No projects yet.\nAdd them in the main window.");
    row(u"Ukončit", u"Quit");
}

void LocalizationTest::translatesTextsOfEveryScreen()
{
    QFETCH(QString, czech);
    QFETCH(QString, english);

    AppLanguageStore::setCurrent(AppLanguage::En);
    QCOMPARE(L(czech), english);
    AppLanguageStore::setCurrent(AppLanguage::Cs);
    QCOMPARE(L(czech), czech);
}

void LocalizationTest::dictionaryHoldsRealLineBreaks()
{
    // An escaped "\n" in the table would reach the screen as a backslash and a letter.
    const auto &dictionary = Translations::dictionary();
    QVERIFY(dictionary.size() > 150);
    for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it) {
        QVERIFY2(!it.key().contains(u'\\') && !it.value().contains(u'\\'), qPrintable(it.key()));
        QVERIFY2(!it.key().isEmpty() && !it.value().isEmpty(), qPrintable(it.key()));
        QVERIFY2(!it.key().contains(u"...") && !it.value().contains(u"..."), qPrintable(it.key()));
    }
}

void LocalizationTest::languageRawValues()
{
    QCOMPARE(AppLanguages::all(), (QList<AppLanguage>{AppLanguage::Cs, AppLanguage::En}));
    QCOMPARE(AppLanguages::fromRawValue(u"en"_s), AppLanguage::En);
    QCOMPARE(AppLanguages::fromRawValue(u"cs"_s), AppLanguage::Cs);
    QCOMPARE(AppLanguages::fromRawValue(u"EN"_s), std::nullopt);
    QCOMPARE(AppLanguages::fromRawValue(QString()), std::nullopt);
    for (AppLanguage language : AppLanguages::all())
        QCOMPARE(AppLanguages::fromRawValue(AppLanguages::rawValue(language)), language);

    // Picker names never go through the dictionary.
    AppLanguageStore::setCurrent(AppLanguage::En);
    QCOMPARE(AppLanguages::displayName(AppLanguage::Cs), u"Čeština"_s);
    QCOMPARE(AppLanguages::displayName(AppLanguage::En), u"English"_s);
}

QTEST_GUILESS_MAIN(LocalizationTest)
#include "tst_localization.moc"
