// SPDX-License-Identifier: MIT
#include "sources/environmenttokens.h"

#include <QtGlobal>

namespace {

std::optional<QString> variable(const char *name)
{
    const QString value = qEnvironmentVariable(name).trimmed();
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

} // namespace

EnvironmentTokens EnvironmentTokens::read()
{
    EnvironmentTokens tokens;
    tokens.netlify = variable("NETLIFY_AUTH_TOKEN");
    tokens.vercel = variable("VERCEL_TOKEN");
    tokens.github = variable("GH_TOKEN");
    if (!tokens.github)
        tokens.github = variable("GITHUB_TOKEN");
    return tokens;
}
