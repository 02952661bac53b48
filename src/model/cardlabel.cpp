// SPDX-License-Identifier: MIT
#include "model/cardlabel.h"

#include "i18n/localization.h"
#include "model/colornames.h"

QString CardLabel::resolvedColorName() const
{
    return ColorNames::resolved(colorName);
}

QList<CardLabel> CardLabel::defaults()
{
    // Names are translated once, now: a stored label keeps its name when the language changes.
    const std::pair<const char16_t *, const char *> table[] = {
        {u"Bug", "red"},           {u"Vylepšení", "orange"}, {u"Nápad", "yellow"},
        {u"Hotovo brzy", "green"}, {u"Design", "blue"},      {u"Důležité", "purple"},
    };
    QList<CardLabel> labels;
    labels.reserve(std::size(table));
    for (const auto &[name, colour] : table)
        labels.append({QUuid::createUuid(), L(QString::fromUtf16(name)), QLatin1String(colour)});
    return labels;
}
