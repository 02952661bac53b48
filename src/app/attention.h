// SPDX-License-Identifier: MIT
#pragma once

#include "app/projectruntime.h"
#include "app/statuscolor.h"
#include "model/projectconfig.h"

#include <QList>

#include <optional>

// Why a project needs attention, as facts; Presentation words it when it is shown.
struct AttentionReason {
    enum class Kind {
        DeployFailed,
        Unpushed,
        Uncommitted,
        UncommittedAndUnpushed,
        Operation,   // a merge, rebase, … stopped half-way
        Unpublished, // a branch with commits that was never pushed
    };

    Kind kind = Kind::DeployFailed;
    int changes = 0;                             // Uncommitted, UncommittedAndUnpushed
    int ahead = 0;                               // Unpushed, UncommittedAndUnpushed
    GitOperation operation = GitOperation::None; // Operation

    friend bool operator==(const AttentionReason &, const AttentionReason &) = default;
};

// Where the user should look: derived from live status only.
namespace Attention {

// A failed deployment first (whatever its message), then an operation git is in the middle of,
// then unpushed or uncommitted work, then a branch never pushed; a building deployment, a
// missing token, stashes, a detached HEAD and commits behind never count.
std::optional<AttentionReason> reason(const ProjectRuntime &runtime);
// The projects that have a reason, in list order; a project without live status has none.
QList<ProjectConfig> projectsNeedingAttention(const QList<ProjectConfig> &projects,
                                              const RuntimeMap &runtime);

StatusColor deployColor(const DeployStatus &status);
StatusColor gitColor(const GitStatus &status);
// Red when any deployment is red, else yellow when any colour is yellow, else green.
StatusColor worstStatus(const RuntimeMap &runtime);

} // namespace Attention
