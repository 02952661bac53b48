// SPDX-License-Identifier: MIT
#include "uifixture.h"

#include "sources/keychaintokenstore.h"
#include "ui/components/segmentedcontrol.h"
#include "ui/components/symbollabel.h"
#include "ui/components/toggleswitch.h"
#include "ui/settings/settingssheet.h"
#include "ui/settings/shortcutrecorder.h"

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
        QCOMPARE(statusText(sheet, u"netlify"_s), u"Token je uložen v klíčence"_s);
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

        child<SegmentedControl>(sheet, u"settingsLanguage"_s)->segment(1)->click();
        QCOMPARE(preferences.language(), AppLanguage::En);
        deliverLanguageChange();
        QCOMPARE(sheet.windowTitle(), u"Settings"_s);
        QCOMPARE(days->prefix(), u"After "_s);
        f.data.switchLanguage(AppLanguage::Cs);
    }

    void shortcutIsSwitchedRecordedAndRemembered()
    {
        UiFixture f;
        f.open();
        Preferences &preferences = f.data.preferences;
        FakeHotKeyBackend &backend = *f.hotKeyBackend;
        SettingsSheet sheet(f.context());
        f.hotKey.registerHotKey();
        auto *shortcut = child<ToggleSwitch>(sheet, u"settingsShortcutSwitch"_s);
        auto *recorder = child<ShortcutRecorder>(sheet, u"settingsShortcutRecorder"_s);
        auto *keys = child<QLabel>(sheet, u"settingsShortcutKeys"_s);
        const auto note = [&] {
            const auto *label = child<SymbolLabel>(sheet, u"settingsShortcutNote"_s);
            return label->isVisibleTo(&sheet) ? label->text() : QString();
        };
        const QString taken = u"Zkratku teď používá jiná aplikace."_s;
        QVERIFY(shortcut->isChecked());
        QCOMPARE(keys->text(), u"Ctrl+Super+S"_s);

        // Off releases the shortcut at once, on asks again. A desktop may answer later; a
        // refusal is said when it comes.
        shortcut->click();
        QVERIFY(!preferences.globalHotkeyEnabled() && !backend.held);
        backend.answersLater = true;
        shortcut->click();
        QCOMPARE(note(), QString());
        backend.answer(HotKeyGrab::Refused);
        QCOMPARE(note(), taken);
        backend.answersLater = false;
        shortcut->click();
        shortcut->click();
        QCOMPARE(note(), QString());

        // Recording: Escape cancels; a key without Ctrl, Alt or Super, or one no desktop can
        // be asked for, is refused while recording goes on; modifiers alone wait for the key.
        const QString badKey = u"Tuhle klávesu nejde použít. Zkus písmeno, číslici nebo F1–F24."_s;
        const QList<QPair<Qt::Key, QString>> presses{
            {Qt::Key_Escape, {}},
            {Qt::Key_K, u"Zkratka potřebuje Ctrl, Alt nebo Super."_s},
            {Qt::Key_Backtab, badKey},
            {Qt::Key_Alt, badKey}};
        for (const auto &[key, refusal] : presses) {
            if (!recorder->isRecording())
                recorder->click();
            QVERIFY(shown(sheet, u"settingsShortcutHint"_s));
            QCOMPARE(recorder->text(), u"Zrušit"_s);
            QTest::keyClick(recorder, key, key == Qt::Key_Alt ? Qt::AltModifier : Qt::NoModifier);
            QCOMPARE(recorder->isRecording(), key != Qt::Key_Escape);
            QCOMPARE(note(), refusal);
        }
        const int grabs = backend.grabs;

        // A usable chord is stored, asked for at once and shown; so is what the desktop bound.
        QTest::keyClick(recorder, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(!recorder->isRecording() && !shown(sheet, u"settingsShortcutHint"_s));
        QCOMPARE(note(), QString());
        QCOMPARE(preferences.globalHotkey(), u"Ctrl+Alt+K"_s);
        QCOMPARE(backend.grabs, grabs + 1);
        QCOMPARE(backend.chord, QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_K));
        QCOMPARE(keys->text(), u"Ctrl+Alt+K"_s);
        Q_EMIT backend.triggerChanged(u"Ctrl+Alt+Q"_s);
        QCOMPARE(keys->text(), u"Ctrl+Alt+Q"_s);

        // A chord the system refuses is said at once, and remembered all the same.
        backend.reply = HotKeyGrab::Refused;
        recorder->click();
        QTest::keyClick(recorder, Qt::Key_J, Qt::MetaModifier);
        QCOMPARE(note(), taken);
        QCOMPARE(keys->text(), u"Super+J"_s);
        QCOMPARE(Preferences().globalHotkey(), u"Meta+J"_s);

        // Where no backend can grab a shortcut, the group says so and still stores the choice.
        backend.supported = false;
        Q_EMIT backend.supportChanged();
        QCOMPARE(note(), u"Klávesová zkratka není v tomto prostředí dostupná."_s);
        QVERIFY(!recorder->isEnabled());
        shortcut->click();
        QVERIFY(!preferences.globalHotkeyEnabled());
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
