// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/hotkeybackend.h"

// Records grabs and releases; `press()` acts as the user pressing the shortcut.
class FakeHotKeyBackend final : public HotKeyBackend {
public:
    bool supported = true;
    int grabs = 0;
    int releases = 0;
    bool held = false;

    bool isSupported() const override { return supported; }
    bool grab(std::function<void()> pressed) override
    {
        if (!supported)
            return false;
        ++grabs;
        held = true;
        m_pressed = std::move(pressed);
        return true;
    }
    void release() override
    {
        ++releases;
        held = false;
        m_pressed = nullptr;
    }
    void press()
    {
        if (m_pressed)
            m_pressed();
    }

private:
    std::function<void()> m_pressed;
};
