// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

#include <optional>

// The one shape every stored enumeration has: its values in declared order, each with the word
// the data file stores, its Czech title (callers pass it through L), a symbol name and a tint.
template<typename Enum> struct EnumEntry {
    Enum value;
    const char16_t *raw;
    const char16_t *title;
    const char16_t *symbol;
    const char16_t *tint = u"";
};

namespace EnumTable {

template<typename Enum, size_t N> QList<Enum> values(const EnumEntry<Enum> (&table)[N])
{
    QList<Enum> list;
    for (const EnumEntry<Enum> &entry : table)
        list.append(entry.value);
    return list;
}

// The entry of `value`; every value of the enumeration has one.
template<typename Enum, size_t N>
const EnumEntry<Enum> &entry(const EnumEntry<Enum> (&table)[N], Enum value)
{
    for (const EnumEntry<Enum> &candidate : table) {
        if (candidate.value == value)
            return candidate;
    }
    return table[0];
}

// Exactly one of the stored words (case-sensitive); anything else is no value.
template<typename Enum, size_t N>
std::optional<Enum> fromRaw(const EnumEntry<Enum> (&table)[N], const QString &raw)
{
    for (const EnumEntry<Enum> &candidate : table) {
        if (raw == QStringView(candidate.raw))
            return candidate.value;
    }
    return std::nullopt;
}

} // namespace EnumTable
