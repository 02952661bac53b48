// SPDX-License-Identifier: MIT
#pragma once

#include "app/deployservice.h"
#include "model/projectconfig.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// What the project editor holds while the user types, and the record it saves: names and
// addresses trimmed, blank addresses absent, the emoji cut to two characters. Nothing reaches
// the model until the user confirms.
struct ProjectForm {
    QString name;
    QString emoji = QStringLiteral("📦");
    QString localPath;
    QString siteURL;
    QString githubURL;
    QHash<QString, QString> deployIDs; // by the deploy service's key
    ProjectStatus status = ProjectStatus::Development;

    static ProjectForm from(const ProjectConfig &project, const QList<DeployService> &services);

    // The folder the typed path resolves to (ProjectInput::folderPath): exactly as typed, so a
    // trailing space is another path; a file is no folder.
    std::optional<QString> folderPath() const;
    // The warning under the path: typed, and no folder there.
    bool showsPathWarning() const { return !localPath.isEmpty() && !folderPath(); }
    bool isValid() const;

    // `existing` with the form's fields (its folder and position kept), or a fresh project; an
    // id of each of `services` from deployIDs.
    ProjectConfig build(const std::optional<ProjectConfig> &existing,
                        const QList<DeployService> &services) const;

    bool operator==(const ProjectForm &) const = default;
};
