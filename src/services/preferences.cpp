// SPDX-License-Identifier: MIT
#include "services/preferences.h"

namespace Preferences {

QSettings open()
{
    return QSettings(QStringLiteral("Quaylin"), QStringLiteral("Quaylin"));
}

bool autoArchiveEnabled()
{
    return open().value(QLatin1String(autoArchiveEnabledKey), false).toBool();
}

int autoArchiveDays()
{
    bool ok = false;
    const int days = open().value(QLatin1String(autoArchiveDaysKey)).toInt(&ok);
    return ok && days >= 1 ? days : 14;
}

} // namespace Preferences
