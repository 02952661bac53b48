// SPDX-License-Identifier: MIT
#include "ui/components/tintedbutton.h"

#include "ui/components/colors.h"

#include <QStyleOptionButton>
#include <QStylePainter>

using namespace Qt::StringLiterals;

TintedButton::TintedButton(Tint tint, QWidget *parent)
    : QPushButton(parent)
    , m_tint(tint)
{
}

void TintedButton::setTint(Tint tint)
{
    if (m_tint == tint)
        return;
    m_tint = tint;
    update();
}

QColor TintedButton::tintColor() const
{
    switch (m_tint) {
    case Tint::Accent:
        return Colors::accent(palette());
    case Tint::Red:
        return Colors::named(u"red"_s, palette());
    case Tint::None:
        break;
    }
    return {};
}

// As QPushButton draws itself, with the tint only in the label's own copy of the palette.
void TintedButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    QStyleOptionButton label = option;
    label.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (const QColor tint = tintColor(); tint.isValid())
        label.palette.setColor(QPalette::ButtonText, tint);
    painter.drawControl(QStyle::CE_PushButtonLabel, label);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
