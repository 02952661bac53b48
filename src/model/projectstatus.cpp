// SPDX-License-Identifier: MIT
#include "model/projectstatus.h"

#include "model/enumtable.h"

namespace ProjectStatuses {

namespace {

constexpr EnumEntry<ProjectStatus> table[] = {
    {ProjectStatus::Development, u"development", u"Ve vývoji", u"hammer.fill"},
    {ProjectStatus::Done, u"done", u"Hotové", u"checkmark.seal.fill"},
    {ProjectStatus::Parked, u"parked", u"Uloženo", u"archivebox.fill"},
};

} // namespace

QList<ProjectStatus> all()
{
    return EnumTable::values(table);
}

QString rawValue(ProjectStatus status)
{
    return QString::fromUtf16(EnumTable::entry(table, status).raw);
}

std::optional<ProjectStatus> fromRawValue(const QString &raw)
{
    return EnumTable::fromRaw(table, raw);
}

QString title(ProjectStatus status)
{
    return QString::fromUtf16(EnumTable::entry(table, status).title);
}

QString symbol(ProjectStatus status)
{
    return QString::fromUtf16(EnumTable::entry(table, status).symbol);
}

} // namespace ProjectStatuses
