// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/hotkeybackend.h"

#include <QObject>

#include <memory>

// The system-wide shortcut that summons the main window. Registered once at start when the
// preference allows it; the settings switch unregisters and registers it again, and a new
// chord is asked for at once. The desktop may answer a registration later (after asking the
// user); until then it is Asking. Where no backend can register, it reports that instead of
// pretending.
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

    // The chord asked for (HotKeyChord::defaultChord() until set).
    QKeyCombination chord() const { return m_chord; }
    // While the shortcut is on (registered, asking or refused), gives the old chord back and
    // asks for the new one.
    void setChord(QKeyCombination chord);
    // What the desktop says it bound when it lets the user choose (empty otherwise): this,
    // not chord(), is what fires.
    QString boundTrigger() const { return m_boundTrigger; }

    // Does nothing while registered or asking.
    void registerHotKey();
    // Gives the shortcut back, or withdraws the request; afterwards the state is Off.
    void unregisterHotKey();

Q_SIGNALS:
    void activated();
    void stateChanged(GlobalHotKeyManager::State state);
    void boundTriggerChanged();
    void availabilityChanged();

private:
    void setState(State state);
    void setBoundTrigger(const QString &description);
    void onAnswered(HotKeyGrab result);
    void ask();

    std::unique_ptr<HotKeyBackend> m_backend;
    State m_state = State::Off;
    QKeyCombination m_chord;
    QString m_boundTrigger;
};
