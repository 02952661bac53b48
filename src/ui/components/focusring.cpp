// SPDX-License-Identifier: MIT
#include "ui/components/focusring.h"

#include "ui/components/colors.h"

#include <QPainter>
#include <QWidget>

namespace FocusRing {

bool shows(const QWidget &widget)
{
    return widget.hasFocus() && widget.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void paint(QPainter &painter, const QWidget &widget, const QRectF &rect, qreal radius)
{
    if (!shows(widget))
        return;
    constexpr qreal width = 1.5;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Colors::withAlpha(Colors::accent(widget.palette()), 0.8), width));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = width / 2;
    painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), radius - inset,
                            radius - inset);
    painter.restore();
}

} // namespace FocusRing
