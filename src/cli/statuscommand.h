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

struct Options {
    bool json = false;
    bool noColor = false;
};

// Reads the data file (never writes it), refreshes every project once with the application's
// own sources and rules, and prints one JSON document, or text: aligned columns on a terminal,
// one line per project elsewhere. Nothing is saved, no card is made, nothing is posted.
// Returns the exit status: 1 when the data file cannot be read or standard output cannot be
// written.
QCoro::Task<int> run(Options options);

// Tokens from the environment, else read from the keychain without migrating anything.
QCoro::Task<TokenSet> readTokens();

} // namespace StatusCommand
