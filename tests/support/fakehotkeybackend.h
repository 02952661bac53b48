// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/hotkeybackend.h"

// Records grabs (with the chord asked for) and releases. It answers a grab at once, or, with
// `answersLater`, when the test calls `answer()`, as a desktop that asks the user first. `press()`
// acts as the user pressing the shortcut.
class FakeHotKeyBackend final : public HotKeyBackend {
public:
    bool supported = true;
    bool answersLater = false;
    HotKeyGrab reply = HotKeyGrab::Granted; // what an immediate answer says
    int grabs = 0;
    int releases = 0;
    bool held = false;
    bool asked = false; // a request waits for its answer
    QKeyCombination chord;

    bool isSupported() const override { return supported; }
    void grab(QKeyCombination wanted) override
    {
        ++grabs;
        chord = wanted;
        asked = true;
        if (!answersLater)
            answer(supported ? reply : HotKeyGrab::Unsupported);
    }
    void release() override
    {
        ++releases;
        held = false;
        asked = false;
    }
    void answer(HotKeyGrab result)
    {
        if (!asked)
            return; // withdrawn: a backend sends nothing then
        asked = false;
        held = result == HotKeyGrab::Granted;
        Q_EMIT answered(result);
    }
    void press()
    {
        if (held)
            Q_EMIT pressed();
    }
};
