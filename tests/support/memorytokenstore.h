// SPDX-License-Identifier: MIT
#pragma once

#include "sources/tokenstore.h"

#include <QHash>

// Token items held in memory, so tests never touch a real keychain.
class MemoryTokenStore final : public TokenStore {
public:
    QHash<QString, QString> items;
    bool refusesSaves = false; // as a machine without a keychain service

    QCoro::Task<std::optional<QString>> read(QString service) override
    {
        if (!items.contains(service))
            co_return std::nullopt;
        co_return items.value(service);
    }

    QCoro::Task<bool> save(QString value, QString service) override
    {
        if (refusesSaves)
            co_return false;
        items.insert(service, value);
        co_return true;
    }

    QCoro::Task<> remove(QString service) override
    {
        items.remove(service);
        co_return;
    }
};
