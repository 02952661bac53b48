// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

#include <optional>

// Board columns, in their left-to-right order.
enum class KanbanColumn { Idea, Doing, Done };

namespace KanbanColumns {

QList<KanbanColumn> all();
QString rawValue(KanbanColumn column);
std::optional<KanbanColumn> fromRawValue(const QString &raw);
QString title(KanbanColumn column); // Czech source text; callers pass it through L
QString symbol(KanbanColumn column);
QString tintName(KanbanColumn column); // one of ColorNames

} // namespace KanbanColumns
