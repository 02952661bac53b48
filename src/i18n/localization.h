// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

#include <optional>

enum class AppLanguage { Cs, En };

namespace AppLanguages {

QList<AppLanguage> all(); // picker order: cs, en
QString rawValue(AppLanguage language);
// Exactly "cs" or "en" (case-sensitive); anything else is no language.
std::optional<AppLanguage> fromRawValue(const QString &raw);
QString displayName(AppLanguage language); // fixed names, never translated

} // namespace AppLanguages

namespace Localization {

// The interface language L() translates into. Czech until set; the Preferences object sets it
// from the stored preference and on every change, so a lookup never reads the settings file.
AppLanguage language();
void setLanguage(AppLanguage language);

} // namespace Localization

// The one lookup of user-visible text: the Czech source text itself, or its English twin when
// the interface language is English and the dictionary has one.
QString L(const QString &czech);
