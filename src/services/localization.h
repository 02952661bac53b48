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

namespace AppLanguageStore {

// Reads the preference on every call: "en" is English, everything else Czech.
AppLanguage current();
void setCurrent(AppLanguage language);

} // namespace AppLanguageStore

// The one lookup of user-visible text: the Czech source text itself, or its English twin when
// the interface language is English and the dictionary has one.
QString L(const QString &czech);
