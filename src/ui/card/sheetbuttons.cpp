// SPDX-License-Identifier: MIT
#include "ui/card/sheetbuttons.h"

#include "ui/components/colors.h"
#include "ui/components/typography.h"

#include <QAbstractButton>

namespace SheetButtons {

void makeProminent(QAbstractButton *button)
{
    QPalette colors = button->palette();
    colors.setColor(QPalette::Button, Colors::accent(colors));
    colors.setColor(QPalette::ButtonText, colors.color(QPalette::HighlightedText));
    button->setPalette(colors);
}

void makeDestructive(QAbstractButton *button)
{
    QPalette colors = button->palette();
    colors.setColor(QPalette::ButtonText, Colors::named(QStringLiteral("red"), colors));
    button->setPalette(colors);
}

void makeSmall(QAbstractButton *button)
{
    button->setFont(Typography::font(11.5));
}

} // namespace SheetButtons
