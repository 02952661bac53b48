// SPDX-License-Identifier: MIT
// Desktops where no application may grab a global shortcut.
#include "ui/desktop/hotkeybackend.h"

namespace {

class NullHotKeyBackend final : public HotKeyBackend {
public:
    bool isSupported() const override { return false; }
    bool grab(std::function<void()>) override { return false; }
    void release() override {}
};

} // namespace

std::unique_ptr<HotKeyBackend> makeSystemHotKeyBackend()
{
    return std::make_unique<NullHotKeyBackend>();
}
