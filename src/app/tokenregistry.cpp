// SPDX-License-Identifier: MIT
#include "app/tokenregistry.h"

#include "sources/tokenstore.h"

#include <QPointer>

TokenRegistry::TokenRegistry(QList<TokenService> services, TokenStore *store,
                             std::function<void()> saved, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_store(store)
    , m_saved(std::move(saved))
{
}

void TokenRegistry::setToken(const TokenService &service, const std::optional<QString> &token)
{
    if (m_tokens.token(service) == token)
        return;
    m_tokens.setToken(service, token);
    Q_EMIT tokenChanged(service);
}

void TokenRegistry::saveToken(const TokenService &service, const QString &value)
{
    const QString trimmed = value.trimmed();
    if (trimmed.isEmpty())
        return;
    setToken(service, trimmed);
    if (m_saved)
        m_saved();
    if (!m_store)
        return;
    const auto stored = [guard = QPointer(this), service, trimmed](bool ok) {
        if (!guard || ok)
            return;
        // Unless a later save replaced it meanwhile, stop claiming a token that is not kept.
        if (guard->token(service) == trimmed)
            guard->setToken(service, std::nullopt);
        Q_EMIT guard->tokenSaveFailed(service);
    };
    m_store->save(trimmed, service.keychainItem).then(stored);
}

void TokenRegistry::removeToken(const TokenService &service)
{
    if (m_store) {
        m_store->remove(service.keychainItem);
        for (const QString &former : service.formerKeychainItems)
            m_store->remove(former);
    }
    setToken(service, std::nullopt);
}

QCoro::Task<> TokenRegistry::load()
{
    if (!m_store)
        co_return;
    QPointer guard(this);
    TokenStore &store = *m_store;
    const QList<TokenService> services = m_services;
    for (const TokenService &service : services) {
        const std::optional<QString> token = co_await Tokens::load(
            store, service.keychainItem, service.formerKeychainItems, Tokens::Former::Copy);
        if (!guard)
            co_return;
        setToken(service, token);
    }
}
