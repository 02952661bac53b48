// SPDX-License-Identifier: MIT
#pragma once

#include <QKeyCombination>
#include <QObject>

#include <memory>

// How a desktop answered a request for the global shortcut.
enum class HotKeyGrab {
    Granted,
    Refused,     // another application holds the combination, or the user said no
    Unsupported, // this desktop lets no application have a global shortcut
};

// Grabs the one global shortcut on one kind of desktop. Some desktops answer at once (X11),
// others only after asking the user (the desktop portal), so the answer comes as a signal,
// possibly before grab() returns.
class HotKeyBackend : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HotKeyBackend)

public:
    using QObject::QObject;

    // Whether asking can succeed here at all; false means grab() would answer Unsupported.
    // A desktop that must first be asked may change its mind once (`supportChanged`).
    virtual bool isSupported() const = 0;
    // Asks for `chord` (HotKeyChord::problem() has none); `answered` follows exactly once,
    // unless release() comes first.
    virtual void grab(QKeyCombination chord) = 0;
    // Gives the shortcut back, or withdraws a request not answered yet.
    virtual void release() = 0;

Q_SIGNALS:
    void answered(HotKeyGrab result);
    // The user pressed the shortcut (on the main thread).
    void pressed();
    // How the desktop itself describes what it bound, where the user may pick another chord
    // there (the portal); empty: the chord asked for.
    void triggerChanged(const QString &description);
    // The desktop took a granted shortcut back.
    void revoked();
    void supportChanged();
};

// The backend for the platform this process runs on, chosen by QGuiApplication::platformName().
std::unique_ptr<HotKeyBackend> makeSystemHotKeyBackend();
