// SPDX-License-Identifier: MIT
#include "uifixture.h"

#include "sources/keychaintokenstore.h"
#include "ui/components/segmentedcontrol.h"
#include "ui/components/symbollabel.h"
#include "ui/components/toggleswitch.h"
#include "ui/settings/settingssheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

template<typename T> T *child(QWidget &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

bool shown(QWidget &parent, const QString &name)
{
    return child<QWidget>(parent, name)->isVisibleTo(&parent);
}

QString statusText(QWidget &sheet, const QString &service)
{
    return child<SymbolLabel>(sheet, service + u"TokenStatus"_s)->text();
}

void saveToken(QWidget &sheet, const QString &service, const QString &token)
{
    auto *field = child<QLineEdit>(sheet, service + u"TokenField"_s);
    auto *save = child<QPushButton>(sheet, service + u"TokenSaveButton"_s);
    QVERIFY(!save->isEnabled());
    QTest::keyClicks(field, token);
    QVERIFY(save->isEnabled());
    save->click();
    QVERIFY(field->text().isEmpty());
}

} // namespace

class SettingsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tokensLiveInTheKeychain()
    {
        // Removing the application's keychain items is only safe in the throw-away keyring.
        QVERIFY2(qEnvironmentVariableIsSet("QUAYLIN_THROWAWAY_KEYRING"),
                 "run through dbus-run-session and scripts/with-keyring.sh");
        const TokenService netlify = StandardServices::netlify().token;
        const QString former = netlify.formerKeychainItems.value(0);
        KeychainTokenStore keychain;
        for (const QString &item :
             {netlify.keychainItem, former, StandardServices::github().keychainItem})
            QCoro::waitFor(keychain.remove(item));
        UiFixture f;
        AppModel &model = f.open({}, &keychain);
        SettingsSheet sheet(f.context());

        QCOMPARE(statusText(sheet, u"netlify"_s), u"Token není nastaven"_s);
        QCOMPARE(statusText(sheet, u"github"_s), u"Token není nastaven (nepovinné)"_s);
        QVERIFY(!shown(sheet, u"netlifyTokenRemoveButton"_s));
        saveToken(sheet, u"netlify"_s, u" secret "_s);
        QCOMPARE(statusText(sheet, u"netlify"_s), u"Token je uložen v Keychain"_s);
        QVERIFY(shown(sheet, u"netlifyTokenRemoveButton"_s));
        QCOMPARE(QCoro::waitFor(keychain.read(netlify.keychainItem)), u"secret"_s);
        QVERIFY(!shown(sheet, u"netlifyTokenFailure"_s));

        // Removal takes the item left under the former identifier too.
        QCoro::waitFor(keychain.save(u"old"_s, former));
        child<QPushButton>(sheet, u"netlifyTokenRemoveButton"_s)->click();
        QVERIFY(!model.tokens().token(netlify));
        QCOMPARE(QCoro::waitFor(keychain.read(netlify.keychainItem)), std::nullopt);
        QCOMPARE(QCoro::waitFor(keychain.read(former)), std::nullopt);
        QCOMPARE(statusText(sheet, u"netlify"_s), u"Token není nastaven"_s);
    }

    void aTokenTheKeychainRefusesIsNotClaimedAsSaved()
    {
        UiFixture f;
        f.tokens.refusesSaves = true;
        AppModel &model = f.open();
        SettingsSheet sheet(f.context());
        sheet.open();
        // Return in a token field saves that token and leaves the sheet open.
        QTest::keyClicks(child<QLineEdit>(sheet, u"vercelTokenField"_s), u"v"_s);
        QTest::keyClick(child<QLineEdit>(sheet, u"vercelTokenField"_s), Qt::Key_Return);
        QVERIFY(sheet.isVisible());
        QTRY_VERIFY(shown(sheet, u"vercelTokenFailure"_s));
        QVERIFY(!model.tokens().token(StandardServices::vercel().token));
        QCOMPARE(statusText(sheet, u"vercel"_s), u"Token není nastaven"_s);
        QVERIFY(!shown(sheet, u"netlifyTokenFailure"_s));
    }

    void backupExportAndRestore()
    {
        UiFixture f;
        const ProjectConfig kept = makeProject(u"Kept"_s);
        AppModel &model = f.open({kept});
        SettingsSheet sheet(f.context());
        FakeFileChooser &files = f.desktop.files;
        auto *result = child<QLabel>(sheet, u"settingsBackupResult"_s);
        const QString folder = f.data.environmentDir.root();

        child<QPushButton>(sheet, u"settingsExportButton"_s)->click();
        QCOMPARE(files.pending->kind, FakeFileChooser::Kind::SaveJson);
        QVERIFY(QRegularExpression(u"^Quaylin-zaloha-\\d{4}-\\d\\d-\\d\\d-\\d{4}\\.json$"_s)
                    .match(files.pending->fileName)
                    .hasMatch());
        files.choose(folder + u"/backup.json"_s);
        QCOMPARE(result->text(), u"Záloha uložena."_s);
        QVERIFY(QFileInfo::exists(folder + u"/backup.json"_s));
        child<QPushButton>(sheet, u"settingsExportButton"_s)->click();
        files.choose(folder + u"/backup.json/inside.json"_s); // under a file: cannot be written
        QVERIFY(result->text().startsWith(u"Zálohu se nepodařilo uložit.\n"_s));
        QVERIFY(result->text().contains(u"inside.json"_s)); // and why

        // Bad files change nothing: not a backup, a folder, a huge file.
        QVERIFY(writeFile(folder + u"/broken.json"_s, "{\"projects\": 7"));
        QFile huge(folder + u"/huge.json"_s);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(300LL * 1024 * 1024));
        huge.close();
        for (const QString &bad : {u"/broken.json"_s, u"/huge.json"_s, u"/"_s, u"/gone.json"_s}) {
            child<QPushButton>(sheet, u"settingsRestoreButton"_s)->click();
            files.choose(folder + bad);
            openBox(u"restoreBackupConfirmation"_s)
                ->findChild<QPushButton *>(u"confirmButton"_s)
                ->click();
            QVERIFY(result->text().startsWith(u"Soubor se nepodařilo načíst.\n"_s));
            QCOMPARE(model.projects(), QList<ProjectConfig>({*model.project(kept.id)}));
        }

        // A good backup, first cancelled, then confirmed.
        const ProjectConfig other = makeProject(u"Other"_s);
        writeDocument(folder + u"/other.json"_s, {other});
        child<QPushButton>(sheet, u"settingsRestoreButton"_s)->click();
        files.choose(folder + u"/other.json"_s);
        openBox(u"restoreBackupConfirmation"_s)
            ->findChild<QPushButton *>(u"cancelButton"_s)
            ->click();
        QVERIFY(model.project(kept.id));
        QVERIFY(result->text().startsWith(u"Soubor se nepodařilo načíst."_s)); // unchanged
        child<QPushButton>(sheet, u"settingsRestoreButton"_s)->click();
        files.cancel();
        QVERIFY(!openBox(u"restoreBackupConfirmation"_s));
        child<QPushButton>(sheet, u"settingsRestoreButton"_s)->click();
        files.choose(folder + u"/other.json"_s);
        openBox(u"restoreBackupConfirmation"_s)
            ->findChild<QPushButton *>(u"confirmButton"_s)
            ->click();
        QCOMPARE(result->text(), u"Záloha obnovena."_s);
        QVERIFY(!model.project(kept.id));
        QVERIFY(model.project(other.id));
    }

    void switchesStepperAndLanguage()
    {
        UiFixture f;
        f.open();
        Preferences &preferences = f.data.preferences;
        {
            SettingsSheet sheet(f.context());
            auto *archive = child<ToggleSwitch>(sheet, u"settingsAutoArchiveSwitch"_s);
            auto *days = child<QSpinBox>(sheet, u"settingsAutoArchiveDays"_s);
            QVERIFY(!days->isVisibleTo(&sheet));
            archive->click();
            QVERIFY(preferences.autoArchiveEnabled());
            QVERIFY(days->isVisibleTo(&sheet));
            QCOMPARE(days->text(), u"Po 14 dnech"_s);
            days->stepUp();
            QCOMPARE(days->accessibleName(), u"Po 15 dnech"_s);
            days->setValue(0);
            QCOMPARE(preferences.autoArchiveDays(), 1);
            days->setValue(500);
            QCOMPARE(preferences.autoArchiveDays(), 90);
            archive->click();
            QVERIFY(!days->isVisibleTo(&sheet));
            QCOMPARE(preferences.autoArchiveDays(), 90);

            // The shortcut: off releases it at once, on grabs it again.
            auto *shortcut = child<ToggleSwitch>(sheet, u"settingsShortcutSwitch"_s);
            f.hotKey.registerHotKey();
            QVERIFY(shortcut->isChecked());
            QVERIFY(!shown(sheet, u"settingsShortcutNote"_s));
            shortcut->click();
            QVERIFY(!preferences.globalHotkeyEnabled());
            QVERIFY(!f.hotKeyBackend->held);
            shortcut->click();
            QVERIFY(f.hotKeyBackend->held);

            child<SegmentedControl>(sheet, u"settingsLanguage"_s)->segment(1)->click();
            QCOMPARE(preferences.language(), AppLanguage::En);
            QCOMPARE(sheet.windowTitle(), u"Settings"_s);
            QCOMPARE(days->prefix(), u"After "_s);
            preferences.setLanguage(AppLanguage::Cs);
        }
        // Where no backend can grab a shortcut, the sheet says so and still stores the choice.
        f.hotKey.unregisterHotKey();
        f.hotKeyBackend->supported = false;
        SettingsSheet sheet(f.context());
        QVERIFY(shown(sheet, u"settingsShortcutNote"_s));
        QCOMPARE(child<SymbolLabel>(sheet, u"settingsShortcutNote"_s)->text(),
                 u"Klávesová zkratka není v tomto prostředí dostupná."_s);
        child<ToggleSwitch>(sheet, u"settingsShortcutSwitch"_s)->click();
        QVERIFY(!preferences.globalHotkeyEnabled());
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
