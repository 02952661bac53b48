// SPDX-License-Identifier: MIT
#pragma once

#include "model/projectconfig.h"
#include "model/projectfolder.h"

#include <QList>

// The order the sidebar lists projects in: folders by sortIndex, each folder's projects by
// sortIndex, then the projects outside any folder by sortIndex (stable sorts throughout).
// A project whose folder no longer exists is listed with the top-level ones, never hidden.
namespace SidebarOrder {

QList<ProjectConfig> projects(const QList<ProjectConfig> &projects,
                              const QList<ProjectFolder> &folders);

} // namespace SidebarOrder
