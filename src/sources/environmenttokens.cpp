// SPDX-License-Identifier: MIT
#include "sources/environmenttokens.h"

#include <QtGlobal>

namespace EnvironmentTokens {

std::optional<QString> first(const QStringList &variables)
{
    for (const QString &name : variables) {
        const QString value = qEnvironmentVariable(name.toLocal8Bit().constData()).trimmed();
        if (!value.isEmpty())
            return value;
    }
    return std::nullopt;
}

} // namespace EnvironmentTokens
