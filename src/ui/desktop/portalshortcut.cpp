// SPDX-License-Identifier: MIT
#include "ui/desktop/portalshortcut.h"

#include <QDBusMetaType>

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

namespace PortalShortcuts {

void registerTypes()
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<PortalShortcutList>();
}

PortalShortcutList fromVariant(const QVariant &value)
{
    if (value.canConvert<QDBusArgument>()) {
        const auto argument = value.value<QDBusArgument>();
        // Anything but an `a(sa{sv})` would make the reader stop with a warning, not fail.
        if (argument.currentSignature() == u"a(sa{sv})")
            return qdbus_cast<PortalShortcutList>(argument);
        return {};
    }
    return value.value<PortalShortcutList>();
}

} // namespace PortalShortcuts
