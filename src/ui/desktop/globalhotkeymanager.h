// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/hotkeybackend.h"

#include <QObject>

#include <memory>

// The system-wide shortcut that summons the main window. Registered once at start when the
// preference allows it; the settings switch unregisters and registers it again. Where no
// backend can register (Wayland), it reports that instead of pretending.
class GlobalHotKeyManager final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GlobalHotKeyManager)

public:
    explicit GlobalHotKeyManager(std::unique_ptr<HotKeyBackend> backend, QObject *parent = nullptr);
    ~GlobalHotKeyManager() override;

    // Whether a shortcut can be registered on this desktop at all.
    bool isAvailable() const;
    bool isRegistered() const { return m_registered; }

    // Does nothing when already registered; a failed grab leaves it unregistered.
    void registerHotKey();
    void unregisterHotKey();

Q_SIGNALS:
    void activated();
    void registrationChanged(bool registered);

private:
    std::unique_ptr<HotKeyBackend> m_backend;
    bool m_registered = false;
};
