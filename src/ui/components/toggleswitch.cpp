// SPDX-License-Identifier: MIT
#include "ui/components/toggleswitch.h"

#include "ui/components/accessiblebutton.h"
#include "ui/components/colors.h"
#include "ui/components/focusring.h"

#include <QPainter>

namespace {

constexpr int trackWidth = 34;
constexpr int trackHeight = 20;
constexpr int knobInset = 2;

} // namespace

ToggleSwitch::ToggleSwitch(QWidget *parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    AccessibleButton::clickOnEveryAction(*this);
}

QSize ToggleSwitch::sizeHint() const
{
    return {trackWidth + 4, trackHeight + 4};
}

void ToggleSwitch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette &colors = palette();
    const QRectF track(2, 2, trackWidth, trackHeight);
    const qreal radius = trackHeight / 2.0;
    QColor fill = isChecked() ? Colors::accent(colors) : Colors::tertiary(colors);
    if (!isEnabled())
        fill = Colors::withAlpha(fill, fill.alphaF() * 0.45);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(track, radius, radius);

    const qreal knob = trackHeight - 2 * knobInset;
    const qreal x = isChecked() ? track.right() - knobInset - knob : track.left() + knobInset;
    const QRectF knobRect(x, track.top() + knobInset, knob, knob);
    painter.setBrush(Colors::withAlpha(Colors::primary(colors), 0.15));
    painter.drawEllipse(knobRect.translated(0, 0.75));
    painter.setBrush(Colors::onAccent());
    painter.drawEllipse(knobRect);
    FocusRing::paint(painter, *this, QRectF(rect()), radius + 2);
}
