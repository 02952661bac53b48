// SPDX-License-Identifier: MIT
// The X11 shortcut backend on a real X server (xvfb-run), pressed with xdotool's fake input.
#include "ui/desktop/globalhotkeymanager.h"
#include "ui/desktop/hotkeybackend.h"

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

// Another X client that takes Alt+Super+S (with every lock combination) first.
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

    void firesOnAltSuperSWhateverTheLocks()
    {
        GlobalHotKeyManager manager(makeSystemHotKeyBackend());
        QVERIFY(manager.isAvailable());
        manager.registerHotKey();
        manager.registerHotKey(); // once
        QVERIFY(manager.isRegistered());
        QSignalSpy activated(&manager, &GlobalHotKeyManager::activated);

        press(QStringLiteral("alt+super+s"));
        QTRY_COMPARE(activated.count(), 1);
        press(QStringLiteral("Caps_Lock"));
        press(QStringLiteral("alt+super+s"));
        QTRY_COMPARE(activated.count(), 2);
        press(QStringLiteral("Caps_Lock"));
        // Other combinations are not ours.
        press(QStringLiteral("alt+s"));
        press(QStringLiteral("super+s"));
        press(QStringLiteral("ctrl+alt+super+s"));
        QTest::qWait(200);
        QCOMPARE(activated.count(), 2);

        // Switched off and on again: one grab, one press, one activation.
        manager.unregisterHotKey();
        press(QStringLiteral("alt+super+s"));
        QTest::qWait(200);
        QCOMPARE(activated.count(), 2);
        manager.registerHotKey();
        press(QStringLiteral("alt+super+s"));
        QTRY_COMPARE(activated.count(), 3);
        QTest::qWait(200);
        QCOMPARE(activated.count(), 3);
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
