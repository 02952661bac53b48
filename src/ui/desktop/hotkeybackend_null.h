// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/hotkeybackend.h"

// Desktops where no application may grab a global shortcut: every request is answered
// Unsupported.
class NullHotKeyBackend final : public HotKeyBackend {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NullHotKeyBackend)

public:
    using HotKeyBackend::HotKeyBackend;

    bool isSupported() const override { return false; }
    void grab(QKeyCombination chord) override;
    void release() override {}
};
