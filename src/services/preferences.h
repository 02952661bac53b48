// SPDX-License-Identifier: MIT
#pragma once

#include <QSettings>
#include <QString>

#include <optional>

// The user preferences, stored with QSettings under organisation and application "Quaylin"
// ($XDG_CONFIG_HOME/Quaylin/Quaylin.conf on Linux). Every accessor reads the store afresh,
// so a change made anywhere applies at once.
namespace Preferences {

inline constexpr auto languageKey = "Quaylin.language";
inline constexpr auto autoArchiveEnabledKey = "Quaylin.autoArchiveEnabled";
inline constexpr auto autoArchiveDaysKey = "Quaylin.autoArchiveDays";
inline constexpr auto kanbanSortModeKey = "Quaylin.kanbanSortMode";
inline constexpr auto kanbanCompactKey = "Quaylin.kanbanCompact";
inline constexpr auto lastSelectionKey = "Quaylin.lastSelection";
inline constexpr auto globalHotkeyEnabledKey = "Quaylin.globalHotkeyEnabled";
inline constexpr auto dismissedUpdateVersionKey = "Quaylin.dismissedUpdateVersion";

QSettings open();

bool autoArchiveEnabled();
// The stored day count, or 14 when absent or below 1.
int autoArchiveDays();

} // namespace Preferences
