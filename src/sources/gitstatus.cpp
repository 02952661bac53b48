// SPDX-License-Identifier: MIT
#include "sources/gitstatus.h"

#include "services/localization.h"

#include <QStringList>

#include <utility>

GitStatus GitStatus::clean(QString branch, int ahead, int behind)
{
    return {Kind::Clean, std::move(branch), 0, ahead, behind};
}

GitStatus GitStatus::dirty(QString branch, int changes, int ahead, int behind)
{
    return {Kind::Dirty, std::move(branch), changes, ahead, behind};
}

QString GitStatus::label() const
{
    switch (kind) {
    case Kind::Unknown:
        return L(QStringLiteral("Načítám…"));
    case Kind::NotAvailable:
        return L(QStringLiteral("Git nedostupný"));
    case Kind::Clean:
    case Kind::Dirty:
        break;
    }

    QStringList parts{branch};
    if (kind == Kind::Dirty)
        parts.append(QString::number(changes) + u' ' + L(QStringLiteral("změn")));
    if (ahead >= 1)
        parts.append(L(QStringLiteral("↑")) + QString::number(ahead));
    if (behind >= 1)
        parts.append(L(QStringLiteral("↓")) + QString::number(behind));

    const QString separator = L(QStringLiteral(" · "));
    if (kind == Kind::Dirty)
        return parts.join(separator);
    if (parts.size() >= 2)
        return parts.join(u' ');
    return branch + separator + L(QStringLiteral("čisto"));
}
