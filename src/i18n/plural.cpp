// SPDX-License-Identifier: MIT
#include "i18n/plural.h"

#include "i18n/localization.h"

#include <cstdlib>

namespace Plural {

QString czechForm(qint64 count, const QString &one, const QString &few, const QString &many)
{
    const qint64 size = std::llabs(count);
    if (size == 1)
        return one;
    if (size >= 2 && size <= 4)
        return few;
    return many;
}

QString counted(qint64 count, const QString &one, const QString &few, const QString &many)
{
    return QString::number(count) + u' ' + L(czechForm(count, one, few, many));
}

} // namespace Plural
