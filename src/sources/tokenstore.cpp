// SPDX-License-Identifier: MIT
#include "sources/tokenstore.h"

namespace Tokens {

QCoro::Task<std::optional<QString>> load(TokenStore &store, QString item, QStringList formerItems,
                                         Former former)
{
    if (auto current = co_await store.read(item))
        co_return current;
    for (const QString &formerItem : std::as_const(formerItems)) {
        auto found = co_await store.read(formerItem);
        if (!found)
            continue;
        if (former == Former::Copy)
            co_await store.save(*found, item);
        co_return found;
    }
    co_return std::nullopt;
}

} // namespace Tokens
