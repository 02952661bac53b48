// SPDX-License-Identifier: MIT
#include "ui/desktop/hotkeybackend.h"

#include "ui/desktop/hotkeybackend_null.h"
#ifdef QUAYLIN_X11_HOTKEY
#include "ui/desktop/hotkeybackend_x11.h"
#endif

#include <QGuiApplication>

std::unique_ptr<HotKeyBackend> makeSystemHotKeyBackend()
{
#ifdef QUAYLIN_X11_HOTKEY
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return makeX11HotKeyBackend();
#endif
    return std::make_unique<NullHotKeyBackend>();
}
