// SPDX-License-Identifier: MIT
#include "ui/editor/projectform.h"

#include "model/projectinput.h"

ProjectForm ProjectForm::from(const ProjectConfig &project, const QList<DeployService> &services)
{
    ProjectForm form;
    form.name = project.name;
    form.emoji = project.emoji;
    form.localPath = project.localPath;
    form.siteURL = project.siteURL.value_or(QString());
    form.githubURL = project.githubURL.value_or(QString());
    for (const DeployService &service : services)
        form.deployIDs.insert(service.token.key, (project.*service.projectID).value_or(QString()));
    form.status = project.status;
    return form;
}

std::optional<QString> ProjectForm::folderPath() const
{
    const std::variant<QString, ProjectInput::FolderProblem> folder =
        ProjectInput::folderPath(localPath);
    if (const auto *path = std::get_if<QString>(&folder))
        return *path;
    return std::nullopt;
}

bool ProjectForm::isValid() const
{
    return !name.trimmed().isEmpty() && folderPath().has_value();
}

ProjectConfig ProjectForm::build(const std::optional<ProjectConfig> &existing,
                                 const QList<DeployService> &services) const
{
    ProjectConfig project;
    if (existing) {
        project = *existing;
    } else {
        project.id = QUuid::createUuid();
        project.sortIndex = 0;
    }
    project.name = name.trimmed();
    project.emoji = ProjectInput::emoji(emoji);
    project.localPath = folderPath().value_or(localPath);
    project.siteURL = ProjectInput::optionalText(siteURL);
    project.githubURL = ProjectInput::optionalText(githubURL);
    for (const DeployService &service : services)
        project.*service.projectID = ProjectInput::optionalText(deployIDs.value(service.token.key));
    project.status = status;
    return project;
}
