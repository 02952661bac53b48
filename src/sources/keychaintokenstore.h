// SPDX-License-Identifier: MIT
#pragma once

#include "sources/tokenstore.h"

#include <memory>

// The system keychain through QtKeychain (Secret Service on Linux). Jobs run one at a time in
// the order they were asked for, so a save followed by a removal cannot overtake each other.
class KeychainTokenStore final : public TokenStore {
public:
    KeychainTokenStore();
    ~KeychainTokenStore() override;

    QCoro::Task<std::optional<QString>> read(QString service) override;
    QCoro::Task<bool> save(QString value, QString service) override;
    QCoro::Task<> remove(QString service) override;

private:
    class Turns;
    // Shared with the running requests, which may outlive the store.
    std::shared_ptr<Turns> m_turns;
};
