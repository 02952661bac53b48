// SPDX-License-Identifier: MIT
#pragma once

#include "i18n/dictionarytranslator.h"
#include "i18n/localization.h"

#include <QLocale>
#include <QObject>
#include <QTranslator>

class Preferences;

// Puts the interface language of the preferences into effect, at once and on every change:
// the dictionary's translator while English is chosen, Qt's own catalogue (file dialogs,
// message box buttons, text field menus) for the language, and the language's locale as the
// default one. Swapping translators makes Qt send QEvent::LanguageChange to every widget, which
// retranslates in changeEvent(). Dates and relative times read the default locale rather than
// a language of their own, so they can never disagree with the texts, and Qt's date pickers
// and file dialogs format the same way. Destroyed, it leaves Czech and the previous locale.
// One per process (the desktop application and the command line each make one), on the main
// thread: QLocale::setDefault is not for other threads.
class LanguageSwitch final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LanguageSwitch)

public:
    // Qt's own texts (system reasons for a failed file write among them) follow the interface
    // language on the desktop; the command line's diagnostics are English, reasons included.
    enum class QtTexts { Translated, English };

    explicit LanguageSwitch(const Preferences &preferences, QtTexts qtTexts = QtTexts::Translated,
                            QObject *parent = nullptr);
    ~LanguageSwitch() override;

private:
    void apply(AppLanguage language);
    void removeTranslators();

    QtTexts m_qtTexts;
    QLocale m_previousLocale;
    DictionaryTranslator m_dictionary;
    QTranslator m_qt;
};
