// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace ExportCommand {

// Writes a backup of the data file as it is now, exactly as the settings sheet's export does,
// to `path` or, for "-", to standard output. Something at `path` that is not a regular file
// (a folder, a FIFO, a device) is refused and left alone. Exit 1 with the reason when the data
// file is unreadable or the backup cannot be written.
int run(const QString &path);

} // namespace ExportCommand
