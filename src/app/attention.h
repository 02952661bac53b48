// SPDX-License-Identifier: MIT
#pragma once

#include "app/projectruntime.h"
#include "services/statuscolor.h"

#include <QString>

#include <optional>

// Where the user should look: derived from live status only.
namespace Attention {

// Why a project needs attention (a failed deployment first, then unpushed or uncommitted
// work), or nothing. Fixed words through L.
std::optional<QString> reason(const ProjectRuntime &runtime);

StatusColor deployColor(const DeployStatus &status);
StatusColor gitColor(const GitStatus &status);
// Red when any deployment is red, else yellow when any colour is yellow, else green.
StatusColor worstStatus(const RuntimeMap &runtime);

} // namespace Attention
