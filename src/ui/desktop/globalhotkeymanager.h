// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/hotkeybackend.h"

#include <QObject>

#include <memory>

// The system-wide shortcut that summons the main window. Registered once at start when the
// preference allows it; the settings switch unregisters and registers it again. The desktop
// may answer a registration later (after asking the user); until then it is Asking. Where no
// backend can register (Wayland), it reports that instead of pretending.
class GlobalHotKeyManager final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GlobalHotKeyManager)

public:
    enum class State {
        Off,         // not asked for, or given back
        Asking,      // asked for, no answer yet
        Registered,  // the shortcut fires `activated`
        Refused,     // another application holds it, or the user said no
        Unsupported, // this desktop has no global shortcuts
    };

    explicit GlobalHotKeyManager(std::unique_ptr<HotKeyBackend> backend, QObject *parent = nullptr);
    ~GlobalHotKeyManager() override;

    // Whether a shortcut can be registered on this desktop at all.
    bool isAvailable() const;
    State state() const { return m_state; }
    bool isRegistered() const { return m_state == State::Registered; }

    // Does nothing while registered or asking.
    void registerHotKey();
    // Gives the shortcut back, or withdraws the request; afterwards the state is Off.
    void unregisterHotKey();

Q_SIGNALS:
    void activated();
    void stateChanged(GlobalHotKeyManager::State state);

private:
    void setState(State state);
    void onAnswered(HotKeyGrab result);

    std::unique_ptr<HotKeyBackend> m_backend;
    State m_state = State::Off;
};
