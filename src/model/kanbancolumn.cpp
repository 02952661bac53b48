// SPDX-License-Identifier: MIT
#include "model/kanbancolumn.h"

#include "model/enumtable.h"

namespace KanbanColumns {

namespace {

constexpr EnumEntry<KanbanColumn> table[] = {
    {KanbanColumn::Idea, u"idea", u"Nápady", u"lightbulb", u"blue"},
    {KanbanColumn::Doing, u"doing", u"Dělám", u"hammer", u"orange"},
    {KanbanColumn::Done, u"done", u"Hotovo", u"checkmark.circle", u"green"},
};

} // namespace

QList<KanbanColumn> all()
{
    return EnumTable::values(table);
}

QString rawValue(KanbanColumn column)
{
    return QString::fromUtf16(EnumTable::entry(table, column).raw);
}

std::optional<KanbanColumn> fromRawValue(const QString &raw)
{
    return EnumTable::fromRaw(table, raw);
}

QString title(KanbanColumn column)
{
    return QString::fromUtf16(EnumTable::entry(table, column).title);
}

QString symbol(KanbanColumn column)
{
    return QString::fromUtf16(EnumTable::entry(table, column).symbol);
}

QString tintName(KanbanColumn column)
{
    return QString::fromUtf16(EnumTable::entry(table, column).tint);
}

} // namespace KanbanColumns
