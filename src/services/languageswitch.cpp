// SPDX-License-Identifier: MIT
#include "services/languageswitch.h"

#include "services/preferences.h"

#include <QCoreApplication>
#include <QLibraryInfo>

LanguageSwitch::LanguageSwitch(const Preferences &preferences, QtTexts qtTexts, QObject *parent)
    : QObject(parent)
    , m_qtTexts(qtTexts)
{
    connect(&preferences, &Preferences::languageChanged, this, &LanguageSwitch::apply);
    apply(preferences.language());
}

LanguageSwitch::~LanguageSwitch()
{
    removeTranslators();
    QLocale::setDefault(m_previousLocale);
}

void LanguageSwitch::apply(AppLanguage language)
{
    // The locale first: the widgets that retranslate on the events below read it.
    const QLocale locale = Localization::locale(language);
    QLocale::setDefault(locale);
    removeTranslators();
    // Qt's sources are English; qtbase_en still carries its English plural forms.
    const QLocale qtLocale =
        m_qtTexts == QtTexts::Translated ? locale : Localization::locale(AppLanguage::En);
    if (m_qt.load(qtLocale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    // Installed last, asked first. Czech needs no dictionary: the source texts are Czech.
    if (language == AppLanguage::En)
        QCoreApplication::installTranslator(&m_dictionary);
}

void LanguageSwitch::removeTranslators()
{
    QCoreApplication::removeTranslator(&m_dictionary);
    QCoreApplication::removeTranslator(&m_qt);
}
