// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// A service that takes a personal access token, as a row of the service table: where its token
// is kept, where the command line finds one, and how the settings offer it.
struct TokenService {
    QString key{};          // "netlify": names the token in token sets and widgets
    QString title{};        // "Netlify", shown as it is in every language
    QString keychainItem{}; // the keychain item's service name
    // Read when keychainItem holds nothing and then copied to it at start; removed with the token.
    QStringList formerKeychainItems{};
    // The command line's stand-ins for the keychain; the first one set wins.
    QStringList environmentVariables{};
    bool optional = false; // the service answers without a token too, within limits
    QString explanation{}; // the settings group's first line (Czech source), or none
    // The overview's banner asking for this token while none is kept ("Připoj Netlify", Czech
    // source), or none.
    QString bannerTitle{};

    friend bool operator==(const TokenService &, const TokenService &) = default;
};

// The tokens at hand, by service; what one refresh pass works with.
struct TokenSet {
    QHash<QString, QString> byKey; // TokenService::key to the token; no entry: no token

    std::optional<QString> token(const TokenService &service) const
    {
        const auto found = byKey.constFind(service.key);
        return found == byKey.cend() ? std::nullopt : std::optional(*found);
    }

    void setToken(const TokenService &service, const std::optional<QString> &token)
    {
        if (token)
            byKey.insert(service.key, *token);
        else
            byKey.remove(service.key);
    }

    friend bool operator==(const TokenSet &, const TokenSet &) = default;
};
