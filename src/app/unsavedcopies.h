// SPDX-License-Identifier: MIT
#pragma once

#include "model/fileresult.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class AppModel;

// Where changes go that could not be saved when the application was told to end without a
// chance to ask (SIGTERM): copies of the whole document in the user's cache folder
// ($XDG_CACHE_HOME/Quaylin/unsaved-<yyyyMMdd-HHmmss>.json), which the next start offers to
// restore.
namespace UnsavedCopies {

QString dir();

struct Written {
    QString path;
    FileResult result;
};
// Writes the model's document as a new copy (a number added when the name is taken).
Written write(AppModel &model, const QDateTime &now);

// The copies left by earlier runs, newest first.
QStringList found();

// Restores the copy as a backup is restored, then removes it; a failure changes nothing.
FileResult restore(AppModel &model, const QString &path);

} // namespace UnsavedCopies
