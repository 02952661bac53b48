// SPDX-License-Identifier: MIT
#include "model/colornames.h"

namespace ColorNames {

QStringList all()
{
    return {QStringLiteral("red"),   QStringLiteral("orange"), QStringLiteral("yellow"),
            QStringLiteral("green"), QStringLiteral("blue"),   QStringLiteral("purple"),
            QStringLiteral("gray")};
}

QString resolved(const QString &name)
{
    // Exact, case-sensitive match: "Red" or "" draw gray like any unknown name.
    static const QStringList colours = all().mid(0, 6);
    return colours.contains(name) ? name : QStringLiteral("gray");
}

} // namespace ColorNames
