// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

// `quaylin` for terminals and scripts: status [--json], add [PATH] [--name NAME]
// [--emoji EMOJI], export FILE, --help, --version. Exit status 0 on success, 1 when the
// command failed, 2 for a usage error.
namespace CommandLine {

int run(QCoreApplication &app);

} // namespace CommandLine
