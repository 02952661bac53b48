// SPDX-License-Identifier: MIT
#pragma once

#include "cli/statuscommand.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// How `quaylin status` prints its reports.
namespace StatusJson {

QJsonObject project(const ProjectReport &report);
QByteArray document(const QList<ProjectReport> &reports);
// One human-readable line: emoji, name, git, deployment, GitHub, open cards, attention.
QString textLine(const ProjectReport &report);

} // namespace StatusJson
