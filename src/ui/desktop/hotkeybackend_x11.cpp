// SPDX-License-Identifier: MIT
// X11: the chord grabbed on the root window through Qt's own X connection, so the presses
// arrive in Qt's event stream and are picked out there.
#include "ui/desktop/hotkeybackend_x11.h"

#include "ui/desktop/hotkeychord.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <vector>

namespace {

constexpr xcb_keysym_t keysymAltL = 0xffe9;
constexpr xcb_keysym_t keysymAltR = 0xffea;
constexpr xcb_keysym_t keysymSuperL = 0xffeb;
constexpr xcb_keysym_t keysymSuperR = 0xffec;
constexpr xcb_keysym_t keysymNumLock = 0xff7f;

// Which key holds the chord's keysym, and which modifier bits mean Alt, Super and Num Lock on
// this server's keyboard map. Every common map puts S at keycode 39 and the modifiers at Mod1,
// Mod4 and Mod2; the map says for sure.
struct KeyMap {
    xcb_keycode_t key = 0;
    uint16_t alt = XCB_MOD_MASK_1;
    uint16_t super = XCB_MOD_MASK_4;
    uint16_t numLock = XCB_MOD_MASK_2;
};

KeyMap readKeyMap(xcb_connection_t *connection, xcb_keysym_t wantedKey)
{
    KeyMap map;
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto *keyboard = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr);
    if (!keyboard)
        return map;
    const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(keyboard);
    const int perKeycode = keyboard->keysyms_per_keycode;
    const auto hasKeysym = [&](xcb_keycode_t keycode, std::initializer_list<xcb_keysym_t> wanted) {
        const int index = keycode - setup->min_keycode;
        if (index < 0 || index >= count)
            return false;
        for (int i = 0; i < perKeycode; ++i) {
            for (const xcb_keysym_t keysym : wanted) {
                if (keysyms[index * perKeycode + i] == keysym)
                    return true;
            }
        }
        return false;
    };
    for (int index = 0; index < count && map.key == 0; ++index) {
        const auto keycode = static_cast<xcb_keycode_t>(setup->min_keycode + index);
        if (hasKeysym(keycode, {wantedKey}))
            map.key = keycode;
    }

    auto *modifiers =
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr);
    if (modifiers) {
        const xcb_keycode_t *keycodes = xcb_get_modifier_mapping_keycodes(modifiers);
        const int perModifier = modifiers->keycodes_per_modifier;
        // Shift, Lock and Control are fixed; Mod1 to Mod5 are what the map makes them.
        for (int modifier = 3; modifier < 8; ++modifier) {
            const auto mask = static_cast<uint16_t>(1 << modifier);
            for (int i = 0; i < perModifier; ++i) {
                const xcb_keycode_t keycode = keycodes[modifier * perModifier + i];
                if (keycode == 0)
                    continue;
                if (hasKeysym(keycode, {keysymAltL, keysymAltR}))
                    map.alt = mask;
                else if (hasKeysym(keycode, {keysymSuperL, keysymSuperR}))
                    map.super = mask;
                else if (hasKeysym(keycode, {keysymNumLock}))
                    map.numLock = mask;
            }
        }
        std::free(modifiers);
    }
    std::free(keyboard);
    return map;
}

class X11HotKeyBackend final : public HotKeyBackend, public QAbstractNativeEventFilter {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(X11HotKeyBackend)

public:
    X11HotKeyBackend() = default;
    ~X11HotKeyBackend() override { release(); }

    bool isSupported() const override { return connection() != nullptr; }

    void grab(QKeyCombination chord) override
    {
        release();
        Q_EMIT answered(tryGrab(chord));
    }

    void release() override
    {
        if (!m_grabbed)
            return;
        m_grabbed = false;
        m_held = false;
        if (QCoreApplication *application = QCoreApplication::instance())
            application->removeNativeEventFilter(this);
        if (xcb_connection_t *x = connection()) {
            ungrab(x);
            xcb_flush(x);
        }
    }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        const uint8_t type = event->response_type & 0x7f;
        if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
            return false;
        const auto *key = static_cast<const xcb_key_press_event_t *>(message);
        // Only what the grab caught: while a window of ours holds the keyboard (a menu, or
        // the settings recording a new chord) the same keys are that window's.
        if (key->detail != m_keycode || key->event != m_root)
            return false;
        if (type == XCB_KEY_RELEASE) {
            // The key of a grabbed press; the modifiers are often let go first.
            const bool ours = m_held;
            m_held = false;
            return ours;
        }
        const uint16_t modifierBits = 0xff & ~m_ignored;
        if ((key->state & modifierBits) != m_modifiers)
            return false;
        // Holding the keys repeats the press; one toggle per press.
        if (!m_held) {
            m_held = true;
            Q_EMIT pressed();
        }
        return true;
    }

private:
    HotKeyGrab tryGrab(QKeyCombination chord)
    {
        xcb_connection_t *x = connection();
        if (!x)
            return HotKeyGrab::Unsupported;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
        const xcb_keysym_t keysym = HotKeyChord::keysym(chord.key());
        if (keysym == 0)
            return HotKeyGrab::Refused; // 0 is NoSymbol, which half the keys have
        const KeyMap map = readKeyMap(x, keysym);
        if (map.key == 0)
            return HotKeyGrab::Refused; // this keyboard map has no such key
        m_keycode = map.key;
        const Qt::KeyboardModifiers modifiers = chord.keyboardModifiers();
        m_modifiers = 0;
        if (modifiers & Qt::ControlModifier)
            m_modifiers |= XCB_MOD_MASK_CONTROL;
        if (modifiers & Qt::ShiftModifier)
            m_modifiers |= XCB_MOD_MASK_SHIFT;
        if (modifiers & Qt::AltModifier)
            m_modifiers |= map.alt;
        if (modifiers & Qt::MetaModifier)
            m_modifiers |= map.super;
        m_ignored = XCB_MOD_MASK_LOCK | map.numLock;
        // The same shortcut with Caps Lock and Num Lock on, or it would not fire then.
        m_locks = {0, XCB_MOD_MASK_LOCK, map.numLock, m_ignored};
        std::vector<xcb_void_cookie_t> cookies;
        for (const uint16_t lock : m_locks)
            cookies.push_back(xcb_grab_key_checked(x, 0, m_root, m_modifiers | lock, m_keycode,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        bool grabbed = true;
        for (const xcb_void_cookie_t cookie : cookies) {
            // BadAccess: another client holds the combination.
            if (xcb_generic_error_t *error = xcb_request_check(x, cookie)) {
                grabbed = false;
                std::free(error);
            }
        }
        if (!grabbed) {
            ungrab(x);
            return HotKeyGrab::Refused;
        }
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_grabbed = true;
        return HotKeyGrab::Granted;
    }

    static xcb_connection_t *connection()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return nullptr;
        const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        return x11 ? x11->connection() : nullptr;
    }

    void ungrab(xcb_connection_t *x)
    {
        for (const uint16_t lock : m_locks)
            xcb_ungrab_key(x, m_keycode, m_root, m_modifiers | lock);
    }

    xcb_window_t m_root = 0;
    xcb_keycode_t m_keycode = 0;
    uint16_t m_modifiers = 0;
    uint16_t m_ignored = 0;
    std::array<uint16_t, 4> m_locks{};
    bool m_grabbed = false;
    bool m_held = false;
};

} // namespace

std::unique_ptr<HotKeyBackend> makeX11HotKeyBackend()
{
    return std::make_unique<X11HotKeyBackend>();
}

#include "hotkeybackend_x11.moc"
