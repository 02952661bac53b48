// SPDX-License-Identifier: MIT
#pragma once

#include "i18n/localization.h"

#include <QHash>
#include <QString>

#include <optional>

// The Czech-to-English dictionary: one table, Czech source texts as keys. A text with two
// meanings carries a context (Qt's disambiguation, e.g. "refresh" or "archive" for "Obnovit")
// on each of its twins.
namespace Translations {

// The dictionary's key for `czech` in `context` (none: the text with one meaning).
QString key(const QString &czech, const char *context = nullptr);
// The whole dictionary by key, built once on first use and read-only afterwards.
const QHash<QString, QString> &dictionary();
// The English twin of `czech` in `context`, or nothing when the dictionary has none. A
// context the text has no twin for falls back to its twin without a context.
std::optional<QString> english(const QString &czech, const char *context = nullptr);
// `czech` in `language`, whatever translators are installed: for the command line and tests.
QString text(AppLanguage language, const QString &czech, const char *context = nullptr);
// Whether dictionary() has been built in this process (the Czech path never builds it).
bool isBuilt();

} // namespace Translations
