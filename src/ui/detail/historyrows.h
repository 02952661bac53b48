// SPDX-License-Identifier: MIT
#pragma once

#include "sources/commitinfo.h"
#include "sources/deployinfo.h"

#include <QDateTime>
#include <QList>
#include <QPalette>

class QWidget;

// The rows of a project's deploy history and recent commits, worded now in the interface
// language.
namespace HistoryRows {

// Outcome word in its colour, whether it is a preview or a branch deploy, branch, and how
// long ago.
QList<QWidget *> deploys(const QList<DeployInfo> &deploys, const QDateTime &now,
                         const QPalette &palette);
// Short id in blue, subject, and how long ago it was committed.
QList<QWidget *> commits(const QList<CommitInfo> &commits, const QDateTime &now,
                         const QPalette &palette);

} // namespace HistoryRows
