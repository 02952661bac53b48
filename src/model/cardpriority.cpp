// SPDX-License-Identifier: MIT
#include "model/cardpriority.h"

#include "model/enumtable.h"

namespace CardPriorities {

namespace {

constexpr EnumEntry<CardPriority> table[] = {
    {CardPriority::Low, u"low", u"Nízká", u"arrow.down", u"blue"},
    {CardPriority::Medium, u"medium", u"Střední", u"equal", u"orange"},
    {CardPriority::High, u"high", u"Vysoká", u"arrow.up", u"red"},
};

} // namespace

QList<CardPriority> all()
{
    return EnumTable::values(table);
}

QString rawValue(CardPriority priority)
{
    return QString::fromUtf16(EnumTable::entry(table, priority).raw);
}

std::optional<CardPriority> fromRawValue(const QString &raw)
{
    return EnumTable::fromRaw(table, raw);
}

QString title(CardPriority priority)
{
    return QString::fromUtf16(EnumTable::entry(table, priority).title);
}

QString symbol(CardPriority priority)
{
    return QString::fromUtf16(EnumTable::entry(table, priority).symbol);
}

QString tintName(CardPriority priority)
{
    return QString::fromUtf16(EnumTable::entry(table, priority).tint);
}

} // namespace CardPriorities
