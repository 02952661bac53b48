// SPDX-License-Identifier: MIT
#pragma once

#include "model/fileresult.h"

#include <QString>

class AppModel;

// Backup files: the model's whole document written to a place the user chooses, and read back
// in its place. Both say why they failed (FileResult::error names the file and the reason); a
// failure changes nothing, in memory or on disk.
namespace BackupFiles {

// Waits for pending saves first; never replaces what is not a regular file (a folder, a FIFO,
// a device).
FileResult exportBackup(AppModel &model, const QString &path);
// Reads only a regular file of at most Store::maxDocumentBytes that decodes whole; the model
// then adopts it, saves and starts a refresh.
FileResult importBackup(AppModel &model, const QString &path);

} // namespace BackupFiles
