// SPDX-License-Identifier: MIT
#include "services/appversion.h"

#include "version.h"

namespace AppVersion {

QString current()
{
    const QString version = QStringLiteral(QUAYLIN_VERSION).trimmed();
    return version.isEmpty() ? QStringLiteral("1.0") : version;
}

} // namespace AppVersion
