// SPDX-License-Identifier: MIT
#pragma once

#include "cli/projectreport.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// The JSON form of `quaylin status`.
namespace StatusJson {

QJsonObject project(const ProjectReport &report);
QByteArray document(const QList<ProjectReport> &reports);

} // namespace StatusJson
