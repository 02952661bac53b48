// SPDX-License-Identifier: MIT
#include "ui/detail/commitsuggestion.h"

namespace CommitSuggestion {

QString message(const TaskCard &card)
{
    if (card.isDeployFix)
        return QStringLiteral("fix: ") + card.title.toLower();
    return QStringLiteral("feat: ") + card.title;
}

} // namespace CommitSuggestion
