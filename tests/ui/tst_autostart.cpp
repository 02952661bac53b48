// SPDX-License-Identifier: MIT
// Starting at login: the autostart entry as the desktop reads it, and the settings switch
// that writes it and shows what is on disk.
#include "uifixture.h"

#include "ui/components/symbollabel.h"
#include "ui/components/toggleswitch.h"
#include "ui/desktop/autostartentry.h"
#include "ui/settings/settingssheet.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

class AutostartTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entryIsWrittenValidAndRemoved()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"autostart/app.quaylin.Quaylin.desktop"_s);
        const AutostartEntry entry(path, u"/opt/My Apps/quaylin"_s);
        QVERIFY(!entry.isEnabled());
        QVERIFY(entry.setEnabled(false).ok()); // nothing to remove

        QVERIFY(entry.setEnabled(true).ok());
        QVERIFY(entry.isEnabled());
        const QByteArray text = readFile(path);
        QVERIFY(text.contains("\nExec=\"/opt/My Apps/quaylin\" --autostart\n"));
        if (const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
            !validator.isEmpty())
            QCOMPARE(QProcess::execute(validator, {path}), 0);

        // A desktop's settings switched it off inside the file; switching on writes it anew.
        writeFile(path, text + "Hidden=true\n");
        QVERIFY(!entry.isEnabled());
        QVERIFY(entry.setEnabled(true).ok());
        QVERIFY(entry.isEnabled());

        QVERIFY(entry.setEnabled(false).ok());
        QVERIFY(!QFile::exists(path));

        // Where the entry cannot be written, it says so and stays off.
        QVERIFY(QDir().mkpath(path));
        QVERIFY(!entry.setEnabled(true).ok());
        QVERIFY(!entry.isEnabled());
    }

    void entryStateFollowsTheDesktopsSwitches_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("not hidden") << QByteArray("Hidden=false\n") << true;
        QTest::newRow("GNOME off as 0") << QByteArray("X-GNOME-Autostart-enabled=0\n") << false;
        QTest::newRow("in another group") << QByteArray("[Extra]\nHidden=true\n") << true;
    }

    void entryStateFollowsTheDesktopsSwitches()
    {
        QFETCH(QByteArray, lines);
        QFETCH(bool, enabled);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"entry.desktop"_s);
        writeFile(path, "[Desktop Entry]\nType=Application\nExec=quaylin\n" + lines);
        QCOMPARE(AutostartEntry(path, u"quaylin"_s).isEnabled(), enabled);
    }

    void execValueEscapesWhatEntriesReserve_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << u"/usr/bin/quaylin"_s << u"/usr/bin/quaylin --autostart"_s;
        QTest::newRow("space") << u"/a b/q"_s << u"\"/a b/q\" --autostart"_s;
        QTest::newRow("quote, dollar, backslash")
            << u"/a\"$\\/q"_s << u"\"/a\\\\\"\\\\$\\\\\\\\/q\" --autostart"_s;
        QTest::newRow("percent") << u"/100%/q"_s << u"/100%%/q --autostart"_s;
        QTest::newRow("newline") << u"/a\nb/q"_s << u"\"/a\\nb/q\" --autostart"_s;
    }

    void execValueEscapesWhatEntriesReserve()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(AutostartEntry::execValue(program), exec);
    }

    void settingsSwitchShowsAndChangesTheEntry()
    {
        UiFixture f;
        const QString path = f.desktop.autostart.filePath();
        auto sheet = std::make_unique<SettingsSheet>(f.context());
        auto *toggle = sheet->findChild<ToggleSwitch *>(u"settingsAutostartSwitch"_s);
        auto *failure = sheet->findChild<SymbolLabel *>(u"settingsAutostartFailure"_s);
        QVERIFY(!toggle->isChecked()); // off by default
        QCOMPARE(toggle->accessibleName(), u"Spouštět po přihlášení"_s);

        toggle->click();
        QVERIFY(f.desktop.autostart.isEnabled());
        QVERIFY(readFile(path).contains("Exec=/usr/bin/quaylin --autostart\n"));

        // Removed by hand while another window was in front: it shows so when the sheet is back.
        sheet->show();
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        QVERIFY(QFile::remove(path));
        QVERIFY(toggle->isChecked());
        sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(sheet.get()));
        QVERIFY(!toggle->isChecked());

        // A file where the desktop cannot read it counts as off, and switching it on fails.
        QVERIFY(QDir().mkpath(path));
        sheet = std::make_unique<SettingsSheet>(f.context());
        toggle = sheet->findChild<ToggleSwitch *>(u"settingsAutostartSwitch"_s);
        failure = sheet->findChild<SymbolLabel *>(u"settingsAutostartFailure"_s);
        QVERIFY(!toggle->isChecked());
        toggle->click();
        QVERIFY(!toggle->isChecked());
        QVERIFY(failure->isVisibleTo(sheet.get()));
        QCOMPARE(failure->text(), u"Spouštění po přihlášení se nepodařilo změnit."_s);
    }
};

QTEST_MAIN(AutostartTest)
#include "tst_autostart.moc"
