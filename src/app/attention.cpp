// SPDX-License-Identifier: MIT
#include "app/attention.h"

#include "services/localization.h"

namespace Attention {

std::optional<QString> reason(const ProjectRuntime &runtime)
{
    if (runtime.deploy.kind == DeployStatus::Kind::Error)
        return L(QStringLiteral("Deploy selhal"));

    const GitStatus &git = runtime.git;
    const QString ahead = QString::number(git.ahead);
    const QString changes = QString::number(git.changes);
    switch (git.kind) {
    case GitStatus::Kind::Clean:
        if (git.ahead >= 1)
            return ahead % u' ' % L(QStringLiteral("commitů nepushnuto"));
        return std::nullopt;
    case GitStatus::Kind::Dirty:
        if (git.ahead == 0)
            return changes % u' ' % L(QStringLiteral("nezacommitovaných změn"));
        return changes % u' ' % L(QStringLiteral("změn")) % u" · " % ahead % u' ' %
               L(QStringLiteral("nepushnuto"));
    case GitStatus::Kind::Unknown:
    case GitStatus::Kind::NotAvailable:
        break;
    }
    return std::nullopt;
}

StatusColor deployColor(const DeployStatus &status)
{
    switch (status.kind) {
    case DeployStatus::Kind::Ready:
        return StatusColor::Green;
    case DeployStatus::Kind::Error:
        return StatusColor::Red;
    case DeployStatus::Kind::Building:
        return StatusColor::Yellow;
    case DeployStatus::Kind::Unknown:
    case DeployStatus::Kind::TokenMissing:
    case DeployStatus::Kind::NotConfigured:
        break;
    }
    return StatusColor::Gray;
}

StatusColor gitColor(const GitStatus &status)
{
    switch (status.kind) {
    case GitStatus::Kind::Clean:
        return status.ahead > 0 ? StatusColor::Yellow : StatusColor::Green;
    case GitStatus::Kind::Dirty:
        return StatusColor::Yellow;
    case GitStatus::Kind::Unknown:
    case GitStatus::Kind::NotAvailable:
        break;
    }
    return StatusColor::Gray;
}

StatusColor worstStatus(const RuntimeMap &runtime)
{
    StatusColor result = StatusColor::Green;
    for (const ProjectRuntime &entry : runtime) {
        const StatusColor colors[] = {deployColor(entry.deploy), gitColor(entry.git)};
        for (StatusColor color : colors) {
            if (color == StatusColor::Red)
                return StatusColor::Red;
            if (color == StatusColor::Yellow)
                result = StatusColor::Yellow;
        }
    }
    return result;
}

} // namespace Attention
