// SPDX-License-Identifier: MIT
#pragma once

#include "app/projectruntime.h"
#include "app/statuscolor.h"
#include "model/projectconfig.h"

#include <QList>

#include <optional>

// Why a project needs attention, as facts; Presentation words it when it is shown.
struct AttentionReason {
    enum class Kind { DeployFailed, Unpushed, Uncommitted, UncommittedAndUnpushed };

    Kind kind = Kind::DeployFailed;
    int changes = 0; // Uncommitted, UncommittedAndUnpushed
    int ahead = 0;   // Unpushed, UncommittedAndUnpushed

    friend bool operator==(const AttentionReason &, const AttentionReason &) = default;
};

// Where the user should look: derived from live status only.
namespace Attention {

// A failed deployment first (whatever its message), then unpushed or uncommitted work; a
// building deployment, a missing token and commits behind never count.
std::optional<AttentionReason> reason(const ProjectRuntime &runtime);
// The projects that have a reason, in list order; a project without live status has none.
QList<ProjectConfig> projectsNeedingAttention(const QList<ProjectConfig> &projects,
                                              const RuntimeMap &runtime);

StatusColor deployColor(const DeployStatus &status);
StatusColor gitColor(const GitStatus &status);
// Red when any deployment is red, else yellow when any colour is yellow, else green.
StatusColor worstStatus(const RuntimeMap &runtime);

} // namespace Attention
