// SPDX-License-Identifier: MIT
#include "services/translations.h"

#include <atomic>
#include <iterator>
#include <mutex>
#include <utility>

namespace {

struct Pair {
    const char16_t *czech;
    const char16_t *english;
};

// Every Czech interface text that has an English twin. Keys are exact strings, punctuation,
// ellipses and line breaks included; a key must not repeat.
constexpr Pair pairs[] = {
    {u"Načítám…", u"Loading…"},
};

std::atomic_bool built = false;

} // namespace

namespace Translations {

const QHash<QString, QString> &dictionary()
{
    static std::once_flag once;
    static QHash<QString, QString> table;
    std::call_once(once, [] {
        table.reserve(qsizetype(std::size(pairs)));
        for (const Pair &pair : pairs)
            table.insert(QString::fromUtf16(pair.czech), QString::fromUtf16(pair.english));
        built = true;
    });
    return table;
}

bool isBuilt()
{
    return built;
}

} // namespace Translations
