// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

// `quaylin` for terminals and scripts: status, add, export, --help, --version (options in the
// usage text). Exit status 0 on success, 1 when the command failed, 2 for a usage error.
// Diagnostics are English; status texts speak the interface language.
namespace CommandLine {

int run(QCoreApplication &app);

} // namespace CommandLine
