// SPDX-License-Identifier: MIT
#include "ui/desktop/hotkeybackend.h"

#include "ui/desktop/hotkeybackend_null.h"
#ifdef QUAYLIN_PORTAL_HOTKEY
#include "ui/desktop/hotkeybackend_portal.h"
#endif
#ifdef QUAYLIN_X11_HOTKEY
#include "ui/desktop/hotkeybackend_x11.h"
#endif

#include <QGuiApplication>

std::unique_ptr<HotKeyBackend> makeSystemHotKeyBackend()
{
    const QString platform = QGuiApplication::platformName();
#ifdef QUAYLIN_X11_HOTKEY
    if (platform == QLatin1String("xcb"))
        return makeX11HotKeyBackend();
#endif
#ifdef QUAYLIN_PORTAL_HOTKEY
    // "wayland", or "wayland-egl" when asked for by name. Where the portal has no
    // GlobalShortcuts, the backend says so once it has asked.
    if (platform.startsWith(QLatin1String("wayland")))
        return std::make_unique<PortalHotKeyBackend>(QDBusConnection::sessionBus());
#endif
    return std::make_unique<NullHotKeyBackend>();
}
