// SPDX-License-Identifier: MIT
#include "app/appmodel.h"

#include "app/recordlookup.h"
#include "app/sortindex.h"

void AppModel::addProject(ProjectConfig project)
{
    QList<double> indices;
    for (const ProjectConfig &existing : std::as_const(m_projects))
        indices.append(existing.sortIndex);
    project.sortIndex = SortIndex::afterLast(indices);
    setProjects(m_projects + QList<ProjectConfig>{project});
    persist();
    m_refreshes.requestRefresh();
}

void AppModel::updateProject(const ProjectConfig &project)
{
    if (editProject(project.id, [&](ProjectConfig &existing) { existing = project; }))
        m_refreshes.requestRefresh();
}

void AppModel::removeProject(const ProjectConfig &project)
{
    const QUuid id = project.id;
    QList<ProjectConfig> projects = m_projects;
    projects.removeIf([&](const ProjectConfig &p) { return p.id == id; });
    setProjects(std::move(projects));
    QList<TaskCard> cards = m_cards;
    cards.removeIf([&](const TaskCard &card) { return card.projectID == id; });
    setCards(std::move(cards));
    if (m_runtime.remove(id) > 0)
        emit runtimeChanged(id);
    persist();
}

void AppModel::addFolder(const QString &name)
{
    const auto step = m_history.record(EditAction::AddFolder);
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return;
    QList<double> indices;
    for (const ProjectFolder &folder : std::as_const(m_folders))
        indices.append(folder.sortIndex);
    const ProjectFolder folder{QUuid::createUuid(), trimmed, SortIndex::beforeFirst(indices), true};
    setFolders(m_folders + QList<ProjectFolder>{folder});
    persist();
}

void AppModel::renameFolder(const QUuid &id, const QString &name)
{
    const auto step = m_history.record(EditAction::RenameFolder, id);
    editFolder(id, [&](ProjectFolder &folder) { folder.name = name.trimmed(); });
}

void AppModel::deleteFolder(const QUuid &id)
{
    const auto step = m_history.record(EditAction::DeleteFolder);
    QList<ProjectFolder> folders = m_folders;
    folders.removeIf([&](const ProjectFolder &folder) { return folder.id == id; });
    setFolders(std::move(folders));
    QList<ProjectConfig> projects = m_projects;
    for (ProjectConfig &project : projects) {
        if (project.folderID == id)
            project.folderID.reset();
    }
    setProjects(std::move(projects));
    persist();
}

void AppModel::setFolderExpanded(const QUuid &id, bool expanded)
{
    editFolder(id, [&](ProjectFolder &folder) { folder.isExpanded = expanded; });
}

double AppModel::nextProjectSortIndex(const QList<ProjectConfig> &projects,
                                      const std::optional<QUuid> &folderID,
                                      const std::optional<QUuid> &before,
                                      const std::optional<QUuid> &excluding)
{
    QList<ProjectConfig> siblings;
    for (const ProjectConfig &project : projects) {
        if (project.folderID == folderID && project.id != excluding)
            siblings.append(project);
    }
    QList<SortIndex::Sibling> sorted;
    for (const ProjectConfig &project : SortIndex::stableSorted(siblings))
        sorted.append({project.id, project.sortIndex});
    return SortIndex::placement(sorted, before);
}

void AppModel::placeProject(const QUuid &id, const std::optional<QUuid> &folderID,
                            const std::optional<QUuid> &before,
                            const std::optional<QUuid> &excluding)
{
    QList<ProjectConfig> projects = m_projects;
    ProjectConfig *project = findById(projects, id);
    if (!project)
        return;
    // The folder changes first, so the project itself counts among the siblings unless
    // excluded: moved without `before`, it lands after every sibling and after its own index.
    project->folderID = folderID;
    project->sortIndex = nextProjectSortIndex(projects, folderID, before, excluding);
    setProjects(std::move(projects));
    persist();
}

void AppModel::moveProject(const QUuid &id, const std::optional<QUuid> &folderID)
{
    const auto step = m_history.record(EditAction::MoveProject);
    placeProject(id, folderID, std::nullopt, std::nullopt);
}

void AppModel::reorderProject(const QUuid &id, const std::optional<QUuid> &before,
                              const std::optional<QUuid> &folderID)
{
    const auto step = m_history.record(EditAction::MoveProject);
    placeProject(id, folderID, before, id);
}
