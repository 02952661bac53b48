// SPDX-License-Identifier: MIT
#pragma once

#include "model/projectconfig.h"

#include <QList>
#include <QString>

// First-run sample projects. They are made only for the demo account, from the folders of a
// fixed table that exist in its ~/Documents/Quaylin-demo; every other account starts empty.
namespace Seeding {

inline constexpr auto demoAccount = "quaylin-demo";

QList<ProjectConfig> seedProjects(const QString &loginName, const QString &homeDir);

// The current user's login name (from the environment, as the shell sets it).
QString currentLoginName();

} // namespace Seeding
