// SPDX-License-Identifier: MIT
#pragma once

#include <QCoroTask>
#include <QString>
#include <QStringList>

#include <optional>

// Where the access tokens live: generic-password items keyed by service name alone.
// A failed read is absent and a failed removal changes nothing; a save says whether it stored
// the value, so the user is not told a token is kept when it is not (no keychain service).
class TokenStore {
public:
    virtual ~TokenStore() = default;

    virtual QCoro::Task<std::optional<QString>> read(QString service) = 0;
    // Replaces any earlier item of the service; false when the value could not be stored.
    virtual QCoro::Task<bool> save(QString value, QString service) = 0;
    virtual QCoro::Task<> remove(QString service) = 0;
};

namespace Tokens {

// What becomes of a token found only under a former item.
enum class Former {
    Copy,  // saved under the current item: a one-way migration
    Leave, // used as it is (the command line writes nothing)
};

// The token kept under `item`, else the one under the first of `formerItems` that holds one.
// A former item is never removed here: an older release that still runs keeps finding it.
QCoro::Task<std::optional<QString>> load(TokenStore &store, QString item, QStringList formerItems,
                                         Former former);

} // namespace Tokens
