// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace ExportCommand {

// Writes a backup of the data file as it is now, exactly as the settings sheet's export does.
// Exit 1 with a message when the data file is unreadable or `path` cannot be written.
int run(const QString &path);

} // namespace ExportCommand
