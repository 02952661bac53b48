// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The state of a project's git repository.
struct GitStatus {
    enum class Kind { Clean, Dirty, Unknown, NotAvailable };

    Kind kind = Kind::Unknown;
    QString branch;  // Clean and Dirty only
    int changes = 0; // Dirty only
    int ahead = 0;
    int behind = 0;

    static GitStatus clean(QString branch, int ahead, int behind);
    static GitStatus dirty(QString branch, int changes, int ahead, int behind);
    static GitStatus unknown() { return {}; }
    static GitStatus notAvailable() { return {Kind::NotAvailable, {}, 0, 0, 0}; }

    bool hasBranch() const { return kind == Kind::Clean || kind == Kind::Dirty; }

    friend bool operator==(const GitStatus &, const GitStatus &) = default;
};
