// SPDX-License-Identifier: MIT
#include "i18n/dictionarytranslator.h"

#include "i18n/localization.h"
#include "i18n/translations.h"

DictionaryTranslator::DictionaryTranslator(QObject *parent)
    : QTranslator(parent)
{
}

QString DictionaryTranslator::translate(const char *context, const char *sourceText,
                                        const char *disambiguation, int) const
{
    if (!sourceText || qstrcmp(context, Localization::textContext) != 0)
        return {};
    // A null text tells Qt to ask the next translator, or to keep the source text.
    return Translations::english(QString::fromUtf8(sourceText), disambiguation).value_or(QString());
}
