// SPDX-License-Identifier: MIT
#pragma once

#include "cli/projectreport.h"

#include <QList>
#include <QString>

// The text form of `quaylin status`: per project its emoji and name, git, deployment, GitHub,
// open cards and attention. Every text is escaped for the terminal.
namespace StatusText {

// One line per project, the parts it has joined by " — ": for pipes and files.
QString lines(const QList<ProjectReport> &reports);
// Aligned columns for a terminal; the git and deployment states in their status colours when
// `colors`.
QString table(const QList<ProjectReport> &reports, bool colors);

} // namespace StatusText
