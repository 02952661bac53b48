// SPDX-License-Identifier: MIT
#pragma once

#include "model/projectstatus.h"

#include <QString>
#include <QUuid>

#include <optional>

struct ProjectConfig {
    QUuid id;
    QString name;
    QString localPath;
    std::optional<QString> siteURL;
    std::optional<QString> githubURL;
    std::optional<QString> netlifySiteID;
    std::optional<QString> vercelProjectID;
    QString emoji = QStringLiteral("📦");
    ProjectStatus status = ProjectStatus::Development;
    std::optional<QUuid> folderID;
    double sortIndex = 0;

    friend bool operator==(const ProjectConfig &, const ProjectConfig &) = default;
};
