// SPDX-License-Identifier: MIT
#include "model/cardpriority.h"

namespace CardPriorities {

QList<CardPriority> all()
{
    return {CardPriority::Low, CardPriority::Medium, CardPriority::High};
}

QString rawValue(CardPriority priority)
{
    switch (priority) {
    case CardPriority::Low:
        return QStringLiteral("low");
    case CardPriority::Medium:
        return QStringLiteral("medium");
    case CardPriority::High:
        return QStringLiteral("high");
    }
    return {};
}

std::optional<CardPriority> fromRawValue(const QString &raw)
{
    for (const CardPriority priority : all()) {
        if (rawValue(priority) == raw)
            return priority;
    }
    return std::nullopt;
}

QString title(CardPriority priority)
{
    switch (priority) {
    case CardPriority::Low:
        return QStringLiteral("Nízká");
    case CardPriority::Medium:
        return QStringLiteral("Střední");
    case CardPriority::High:
        return QStringLiteral("Vysoká");
    }
    return {};
}

QString symbol(CardPriority priority)
{
    switch (priority) {
    case CardPriority::Low:
        return QStringLiteral("arrow.down");
    case CardPriority::Medium:
        return QStringLiteral("equal");
    case CardPriority::High:
        return QStringLiteral("arrow.up");
    }
    return {};
}

QString tintName(CardPriority priority)
{
    switch (priority) {
    case CardPriority::Low:
        return QStringLiteral("blue");
    case CardPriority::Medium:
        return QStringLiteral("orange");
    case CardPriority::High:
        return QStringLiteral("red");
    }
    return {};
}

} // namespace CardPriorities
