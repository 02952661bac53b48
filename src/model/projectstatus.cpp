// SPDX-License-Identifier: MIT
#include "model/projectstatus.h"

namespace ProjectStatuses {

QList<ProjectStatus> all()
{
    return {ProjectStatus::Development, ProjectStatus::Done, ProjectStatus::Parked};
}

QString rawValue(ProjectStatus status)
{
    switch (status) {
    case ProjectStatus::Development:
        return QStringLiteral("development");
    case ProjectStatus::Done:
        return QStringLiteral("done");
    case ProjectStatus::Parked:
        return QStringLiteral("parked");
    }
    return {};
}

std::optional<ProjectStatus> fromRawValue(const QString &raw)
{
    for (const ProjectStatus status : all()) {
        if (rawValue(status) == raw)
            return status;
    }
    return std::nullopt;
}

QString title(ProjectStatus status)
{
    switch (status) {
    case ProjectStatus::Development:
        return QStringLiteral("Ve vývoji");
    case ProjectStatus::Done:
        return QStringLiteral("Hotové");
    case ProjectStatus::Parked:
        return QStringLiteral("Uloženo");
    }
    return {};
}

QString symbol(ProjectStatus status)
{
    switch (status) {
    case ProjectStatus::Development:
        return QStringLiteral("hammer.fill");
    case ProjectStatus::Done:
        return QStringLiteral("checkmark.seal.fill");
    case ProjectStatus::Parked:
        return QStringLiteral("archivebox.fill");
    }
    return {};
}

} // namespace ProjectStatuses
