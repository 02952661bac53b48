// SPDX-License-Identifier: MIT
#include "model/kanbancolumn.h"

namespace KanbanColumns {

QList<KanbanColumn> all()
{
    return {KanbanColumn::Idea, KanbanColumn::Doing, KanbanColumn::Done};
}

QString rawValue(KanbanColumn column)
{
    switch (column) {
    case KanbanColumn::Idea:
        return QStringLiteral("idea");
    case KanbanColumn::Doing:
        return QStringLiteral("doing");
    case KanbanColumn::Done:
        return QStringLiteral("done");
    }
    return {};
}

std::optional<KanbanColumn> fromRawValue(const QString &raw)
{
    for (const KanbanColumn column : all()) {
        if (rawValue(column) == raw)
            return column;
    }
    return std::nullopt;
}

QString title(KanbanColumn column)
{
    switch (column) {
    case KanbanColumn::Idea:
        return QStringLiteral("Nápady");
    case KanbanColumn::Doing:
        return QStringLiteral("Dělám");
    case KanbanColumn::Done:
        return QStringLiteral("Hotovo");
    }
    return {};
}

QString symbol(KanbanColumn column)
{
    switch (column) {
    case KanbanColumn::Idea:
        return QStringLiteral("lightbulb");
    case KanbanColumn::Doing:
        return QStringLiteral("hammer");
    case KanbanColumn::Done:
        return QStringLiteral("checkmark.circle");
    }
    return {};
}

QString tintName(KanbanColumn column)
{
    switch (column) {
    case KanbanColumn::Idea:
        return QStringLiteral("blue");
    case KanbanColumn::Doing:
        return QStringLiteral("orange");
    case KanbanColumn::Done:
        return QStringLiteral("green");
    }
    return {};
}

} // namespace KanbanColumns
