// SPDX-License-Identifier: MIT
#include "ui/components/prominentbutton.h"

#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/focusring.h"
#include "ui/components/typography.h"

#include <QPainter>

namespace {

constexpr int horizontalPadding = 14;
constexpr int buttonHeight = 28;
constexpr qreal radius = 6;

} // namespace

ProminentButton::ProminentButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setFont(Typography::font(13, QFont::Medium));
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ProminentButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(ElidedLabel::singleLine(text())) + 2 * horizontalPadding + 1,
            buttonHeight};
}

void ProminentButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = Colors::accent(palette());
    if (isDown())
        fill = fill.darker(115);
    else if (underMouse() && isEnabled())
        fill = fill.lighter(108);
    if (!isEnabled())
        fill = Colors::withAlpha(fill, 0.4);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(box, radius, radius);
    FocusRing::paint(painter, *this, QRectF(rect()), radius);

    painter.setPen(isEnabled() ? Colors::onAccent() : Colors::withAlpha(Colors::onAccent(), 0.75));
    painter.setFont(font());
    const QRect textRect = rect().adjusted(horizontalPadding, 0, -horizontalPadding, 0);
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine,
                     ElidedLabel::elided(text(), fontMetrics(), textRect.width()));
}
