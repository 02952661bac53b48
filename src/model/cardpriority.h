// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

#include <optional>

// Card priorities, low to high.
enum class CardPriority { Low, Medium, High };

namespace CardPriorities {

QList<CardPriority> all();
QString rawValue(CardPriority priority);
std::optional<CardPriority> fromRawValue(const QString &raw);
QString title(CardPriority priority); // Czech source text; callers pass it through L
QString symbol(CardPriority priority);
QString tintName(CardPriority priority); // one of ColorNames

} // namespace CardPriorities
