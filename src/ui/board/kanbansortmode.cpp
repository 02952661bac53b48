// SPDX-License-Identifier: MIT
#include "ui/board/kanbansortmode.h"

#include "model/enumtable.h"

namespace KanbanSortModes {

namespace {

constexpr EnumEntry<KanbanSortMode> table[] = {
    {KanbanSortMode::Manual, u"manual", u"Ručně", u"hand.draw"},
    {KanbanSortMode::Priority, u"priority", u"Podle priority", u"flag"},
    {KanbanSortMode::DueDate, u"dueDate", u"Podle termínu", u"calendar"},
};

} // namespace

QList<KanbanSortMode> all()
{
    return EnumTable::values(table);
}

QString rawValue(KanbanSortMode mode)
{
    return QString::fromUtf16(EnumTable::entry(table, mode).raw);
}

KanbanSortMode fromRawValue(const QString &raw)
{
    return EnumTable::fromRaw(table, raw).value_or(KanbanSortMode::Manual);
}

QString title(KanbanSortMode mode)
{
    return QString::fromUtf16(EnumTable::entry(table, mode).title);
}

QString symbol(KanbanSortMode mode)
{
    return QString::fromUtf16(EnumTable::entry(table, mode).symbol);
}

} // namespace KanbanSortModes
