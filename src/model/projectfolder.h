// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUuid>

struct ProjectFolder {
    QUuid id;
    QString name;
    double sortIndex = 0;
    bool isExpanded = true;

    friend bool operator==(const ProjectFolder &, const ProjectFolder &) = default;
};
