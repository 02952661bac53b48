// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

// One entry of the desktop portal's shortcut lists (D-Bus `(sa{sv})`): the application's id for
// the shortcut and its properties ("description", "preferred_trigger" going out,
// "trigger_description" coming back).
struct PortalShortcut {
    QString id;
    QVariantMap properties;

    bool operator==(const PortalShortcut &) const = default;
};
using PortalShortcutList = QList<PortalShortcut>;

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut);
const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut);

Q_DECLARE_METATYPE(PortalShortcut)
Q_DECLARE_METATYPE(PortalShortcutList)

namespace PortalShortcuts {

// Makes the list known to QtDBus; call before the first call or signal that carries one.
void registerTypes();
// The list inside a reply's or signal's results, as QtDBus hands over an `a(sa{sv})` there.
PortalShortcutList fromVariant(const QVariant &value);

} // namespace PortalShortcuts
