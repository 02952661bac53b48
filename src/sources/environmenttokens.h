// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// Tokens for the command line, as the services' own command-line tools take them:
// NETLIFY_AUTH_TOKEN, VERCEL_TOKEN, GH_TOKEN (else GITHUB_TOKEN). Blank values count as unset.
struct EnvironmentTokens {
    std::optional<QString> netlify;
    std::optional<QString> vercel;
    std::optional<QString> github;

    static EnvironmentTokens read();
};
