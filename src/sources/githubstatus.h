// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct GitHubStatus {
    enum class ChecksState { None, Pending, Success, Failure };

    int openPRCount = 0;
    ChecksState checks = ChecksState::None;

    friend bool operator==(const GitHubStatus &, const GitHubStatus &) = default;
};
