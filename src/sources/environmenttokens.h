// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Tokens for the command line, taken from the environment as the services' own command-line
// tools take them (NETLIFY_AUTH_TOKEN; GH_TOKEN before GITHUB_TOKEN).
namespace EnvironmentTokens {

// The first of `variables` set to something not blank, trimmed.
std::optional<QString> first(const QStringList &variables);

} // namespace EnvironmentTokens
