// SPDX-License-Identifier: MIT
#pragma once

#include "app/projectruntime.h"
#include "app/statusrefresher.h"
#include "model/projectconfig.h"

#include <QCoroTask>
#include <QList>
#include <QString>

#include <optional>

// What `quaylin status` knows of one project after one refresh.
struct ProjectReport {
    ProjectConfig project;
    std::optional<QString> folderName;
    int openCards = 0;
    int overdueCards = 0;
    ProjectRuntime runtime;
    std::optional<QString> attention;
};

namespace StatusCommand {

// Reads the data file (never writes it), refreshes every project once with the application's
// own sources and rules, and prints one line per project or, with `json`, one JSON document.
// Nothing is saved, no card is made, nothing is posted. Returns the exit status.
QCoro::Task<int> run(bool json);

// Tokens from the environment, else read from the keychain without migrating anything.
QCoro::Task<TokenSet> readTokens();

} // namespace StatusCommand
