// SPDX-License-Identifier: MIT
#pragma once

#include "app/servicetable.h"
#include "app/tokenservice.h"

#include <QCoroTask>

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
QCoro::Task<int> run(Options options, ServiceTable services);

// Each service's token from its environment variables, else read from the keychain without
// migrating anything.
QCoro::Task<TokenSet> readTokens(ServiceTable services);

} // namespace StatusCommand
