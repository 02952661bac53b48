// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// The outcome of reading or writing a file: success, or why not. Deliberately not convertible
// to bool, so it cannot be mistaken for the plain success flag it replaces.
struct [[nodiscard]] FileResult {
    // Absent on success; otherwise names the file and the system's reason, such as
    // "cannot write /home/me/backup.json: No space left on device".
    std::optional<QString> error;

    bool ok() const { return !error.has_value(); }
    static FileResult failure(QString message) { return {std::move(message)}; }

    friend bool operator==(const FileResult &, const FileResult &) = default;
};
