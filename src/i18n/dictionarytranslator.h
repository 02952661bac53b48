// SPDX-License-Identifier: MIT
#pragma once

#include <QTranslator>

// Qt's translation hook over the dictionary: installed, it answers every interface text
// (context Localization::textContext) that has an English twin with that twin, and leaves
// everything else, Qt's own texts included, to the other translators.
class DictionaryTranslator final : public QTranslator {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DictionaryTranslator)

public:
    explicit DictionaryTranslator(QObject *parent = nullptr);

    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    // Never empty: Qt installs an empty translator without telling the widgets.
    bool isEmpty() const override { return false; }
};
