// SPDX-License-Identifier: MIT
// The X11 shortcut backend on a real X server (xvfb-run), pressed with xdotool's fake input.
#include "appfixture.h"
#include "ui/desktop/globalhotkeymanager.h"
#include "ui/desktop/hotkeybackend.h"
#include "ui/settings/shortcutrecorder.h"

#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

void xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    QVERIFY(process.waitForFinished(10'000));
    QCOMPARE(process.exitCode(), 0);
}

void press(const QString &keys)
{
    xdotool({QStringLiteral("key"), keys});
}

// Another X client that takes S with every modifier combination first.
class OtherClient final {
public:
    OtherClient()
        : m_connection(xcb_connect(nullptr, nullptr))
    {
    }
    ~OtherClient() { xcb_disconnect(m_connection); }

    // Grabs every modifier combination of the S key (keycode 39 on the X server's evdev map),
    // as a greedy application might.
    bool grabS()
    {
        const xcb_setup_t *setup = xcb_get_setup(m_connection);
        const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
        xcb_generic_error_t *error = xcb_request_check(
            m_connection, xcb_grab_key_checked(m_connection, 0, root, XCB_MOD_MASK_ANY, 39,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return error == nullptr;
    }

private:
    xcb_connection_t *m_connection;
};

} // namespace

class X11HotKeyTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("needs an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
    }

    void theChordTogglesTheMainWindowWhateverTheLocks()
    {
        AppFixture f(makeSystemHotKeyBackend());
        GlobalHotKeyManager &manager = f.app->hotKey();
        QVERIFY(manager.isAvailable());
        manager.registerHotKey();
        manager.registerHotKey(); // once
        QVERIFY(manager.isRegistered());
        QSignalSpy activated(&manager, &GlobalHotKeyManager::activated);

        press(QStringLiteral("ctrl+super+s"));
        QTRY_VERIFY(f.windowShown());
        press(QStringLiteral("Caps_Lock"));
        press(QStringLiteral("ctrl+super+s"));
        QTRY_VERIFY(!f.windowShown());
        press(QStringLiteral("Caps_Lock"));
        // Other combinations are not ours.
        press(QStringLiteral("ctrl+s"));
        press(QStringLiteral("super+s"));
        press(QStringLiteral("alt+super+s"));
        press(QStringLiteral("ctrl+alt+super+s"));
        QTest::qWait(200);
        QCOMPARE(activated.count(), 2);

        // Switched off and on again: one grab, one press, one activation.
        manager.unregisterHotKey();
        press(QStringLiteral("ctrl+super+s"));
        QTest::qWait(200);
        QCOMPARE(activated.count(), 2);
        manager.registerHotKey();
        press(QStringLiteral("ctrl+super+s"));
        QTRY_COMPARE(activated.count(), 3);
        QTest::qWait(200);
        QCOMPARE(activated.count(), 3);

        // Rebound: the old chord is given back, the new one fires, Num Lock on or off.
        manager.setChord(QKeyCombination(Qt::AltModifier | Qt::ShiftModifier, Qt::Key_F9));
        QVERIFY(manager.isRegistered());
        press(QStringLiteral("ctrl+super+s"));
        QTest::qWait(200);
        QCOMPARE(activated.count(), 3);
        press(QStringLiteral("alt+shift+F9"));
        QTRY_COMPARE(activated.count(), 4);
        press(QStringLiteral("Num_Lock"));
        press(QStringLiteral("alt+shift+F9"));
        QTRY_COMPARE(activated.count(), 5);
        press(QStringLiteral("Num_Lock"));

        // While the settings record a chord the keyboard is theirs: the current chord is
        // recorded, not fired.
        ShortcutRecorder recorder;
        recorder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&recorder));
        QSignalSpy recorded(&recorder, &ShortcutRecorder::recorded);
        recorder.startRecording();
        press(QStringLiteral("alt+shift+F9"));
        QTRY_COMPARE(recorded.count(), 1);
        QCOMPARE(recorded[0][0].value<QKeyCombination>(), manager.chord());
        QCOMPARE(activated.count(), 5);
    }

    void aTakenShortcutIsReportedNotPretended()
    {
        OtherClient other;
        QVERIFY(other.grabS());
        GlobalHotKeyManager manager(makeSystemHotKeyBackend());
        manager.registerHotKey();
        QCOMPARE(manager.state(), GlobalHotKeyManager::State::Refused);
    }
};

QTEST_MAIN(X11HotKeyTest)
#include "tst_hotkey_x11.moc"
