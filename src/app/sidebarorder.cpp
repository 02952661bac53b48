// SPDX-License-Identifier: MIT
#include "app/sidebarorder.h"

#include "app/sortindex.h"

#include <QSet>

namespace SidebarOrder {

QList<ProjectConfig> projects(const QList<ProjectConfig> &projects,
                              const QList<ProjectFolder> &folders)
{
    QList<ProjectConfig> ordered;
    QSet<QUuid> folderIDs;
    for (const ProjectFolder &folder : SortIndex::stableSorted(folders)) {
        if (folderIDs.contains(folder.id))
            continue;
        folderIDs.insert(folder.id);
        QList<ProjectConfig> inFolder;
        for (const ProjectConfig &project : projects) {
            if (project.folderID == folder.id)
                inFolder.append(project);
        }
        ordered += SortIndex::stableSorted(inFolder);
    }
    QList<ProjectConfig> topLevel;
    for (const ProjectConfig &project : projects) {
        if (!project.folderID || !folderIDs.contains(*project.folderID))
            topLevel.append(project);
    }
    ordered += SortIndex::stableSorted(topLevel);
    return ordered;
}

} // namespace SidebarOrder
