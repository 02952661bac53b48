// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

#include <optional>

// The lifecycle state a user gives a project.
enum class ProjectStatus { Development, Done, Parked };

namespace ProjectStatuses {

QList<ProjectStatus> all();
QString rawValue(ProjectStatus status);
std::optional<ProjectStatus> fromRawValue(const QString &raw);
QString title(ProjectStatus status); // Czech source text; callers pass it through L
QString symbol(ProjectStatus status);

} // namespace ProjectStatuses
