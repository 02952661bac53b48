// SPDX-License-Identifier: MIT
#include "app/attention.h"

namespace Attention {

std::optional<AttentionReason> reason(const ProjectRuntime &runtime)
{
    using enum AttentionReason::Kind;
    if (runtime.deploy.kind == DeployStatus::Kind::Error)
        return AttentionReason{DeployFailed};

    const GitStatus &git = runtime.git;
    if (git.isRepository() && git.operation != GitOperation::None)
        return AttentionReason{Operation, 0, 0, git.operation};
    switch (git.kind) {
    case GitStatus::Kind::Clean:
        if (git.ahead >= 1)
            return AttentionReason{Unpushed, 0, git.ahead};
        break;
    case GitStatus::Kind::Dirty:
        if (git.ahead == 0)
            return AttentionReason{Uncommitted, git.changes, 0};
        return AttentionReason{UncommittedAndUnpushed, git.changes, git.ahead};
    case GitStatus::Kind::Unknown:
    case GitStatus::Kind::NotAvailable:
        return std::nullopt;
    }
    if (git.unpublished)
        return AttentionReason{Unpublished};
    return std::nullopt;
}

QList<ProjectConfig> projectsNeedingAttention(const QList<ProjectConfig> &projects,
                                              const RuntimeMap &runtime)
{
    QList<ProjectConfig> result;
    for (const ProjectConfig &project : projects) {
        if (reason(runtime.value(project.id)))
            result.append(project);
    }
    return result;
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
        if (status.operation != GitOperation::None || status.unpublished)
            return StatusColor::Yellow;
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
