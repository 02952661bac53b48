// SPDX-License-Identifier: MIT
#pragma once

#include "model/taskcard.h"

#include <QString>

namespace CommitSuggestion {

// The commit message offered for a finished card: "fix: " and the title in lower case for a
// deploy-fix card, else "feat: " and the title exactly as stored. Nothing else.
QString message(const TaskCard &card);

} // namespace CommitSuggestion
