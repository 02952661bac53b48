// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QLocale>
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

// The translation context of every interface text, the one the dictionary's translator
// answers for.
inline constexpr char textContext[] = "Quaylin";

// The locale of a language: en_US or cs_CZ.
QLocale locale(AppLanguage language);
// The interface language the language switch set, read from the default locale it sets with
// the translators: English when that locale is English, Czech otherwise (as when no switch
// exists, where L() finds no translator either).
AppLanguage language();

} // namespace Localization

// The one lookup of user-visible text, through Qt's installed translators: the English twin
// while the language switch has English on and the dictionary has one, else the Czech source
// text itself. `context` picks the meaning of the few texts that have two.
QString L(const QString &czech, const char *context = nullptr);
