// SPDX-License-Identifier: MIT
#pragma once

#include "app/tokenservice.h"

#include <QCoroTask>
#include <QList>
#include <QObject>

#include <functional>
#include <optional>

class TokenStore;

// The access tokens of the services, one set of operations keyed by service: loaded from the
// keychain at start, saved and removed by the user. Tokens live only here and in the keychain.
class TokenRegistry final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TokenRegistry)

public:
    // `store` none: no keychain, tokens stay absent until saved for this run. `saved` runs after
    // every accepted save (the model starts a refresh there).
    TokenRegistry(QList<TokenService> services, TokenStore *store, std::function<void()> saved,
                  QObject *parent = nullptr);

    // In the settings' order.
    const QList<TokenService> &services() const { return m_services; }
    std::optional<QString> token(const TokenService &service) const
    {
        return m_tokens.token(service);
    }
    // Every token held now, for one refresh pass.
    TokenSet all() const { return m_tokens; }

    // Trims the value; a blank one changes nothing. A token the keychain refuses to keep is
    // dropped again and reported by tokenSaveFailed.
    void saveToken(const TokenService &service, const QString &value);
    // Deletes the service's keychain items, former ones included, so the token cannot come back
    // at the next start.
    void removeToken(const TokenService &service);
    // Reads every token, one after the other, migrating one found only under a former item.
    QCoro::Task<> load();

Q_SIGNALS:
    void tokenChanged(const TokenService &service);
    // The keychain could not store the service's token (no keychain service runs, say); none is
    // held for it any more.
    void tokenSaveFailed(const TokenService &service);

private:
    void setToken(const TokenService &service, const std::optional<QString> &token);

    QList<TokenService> m_services;
    TokenStore *m_store;
    std::function<void()> m_saved;
    TokenSet m_tokens;
};
