// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

// Grabs the one global shortcut (Alt+Super+S; ⌥⌘S on macOS) on one kind of desktop. One
// implementation per system, chosen when building (hotkeybackend_x11.cpp, hotkeybackend_null.cpp).
class HotKeyBackend {
public:
    virtual ~HotKeyBackend() = default;

    // Whether this desktop lets an application grab a global shortcut at all (Wayland does not).
    virtual bool isSupported() const = 0;
    // Grabs the shortcut and calls `pressed` on the main thread on every press; false when it
    // could not (unsupported, or another application holds the combination).
    virtual bool grab(std::function<void()> pressed) = 0;
    virtual void release() = 0;
};

// The backend for the desktop this process runs on.
std::unique_ptr<HotKeyBackend> makeSystemHotKeyBackend();
