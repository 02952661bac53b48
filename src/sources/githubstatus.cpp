// SPDX-License-Identifier: MIT
#include "sources/githubstatus.h"

#include "services/localization.h"

#include <QStringList>

QString GitHubStatus::label() const
{
    QStringList parts;
    if (openPRCount >= 1)
        parts << QString::number(openPRCount) + QStringLiteral(" PR");
    switch (checks) {
    case ChecksState::None:
        break;
    case ChecksState::Pending:
        parts << L(QStringLiteral("CI běží"));
        break;
    case ChecksState::Success:
        parts << L(QStringLiteral("CI OK"));
        break;
    case ChecksState::Failure:
        parts << L(QStringLiteral("CI selhalo"));
        break;
    }
    return parts.join(QStringLiteral(" · "));
}
