// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

namespace AddCommand {

struct Options {
    QString path; // as typed; empty = the current folder
    std::optional<QString> name;
    std::optional<QString> emoji;
};

// Tracks a folder as the project editor would save it. Refused (exit 1, nothing written)
// for a path where nothing exists, a folder already tracked, an unreadable data file, or while
// the desktop application holds the data file's lock.
int run(const Options &options);

} // namespace AddCommand
