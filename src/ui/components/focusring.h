// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

class QPainter;
class QRectF;
class QWidget;

// The accent ring around a painted control that has keyboard focus. It shows only after the
// keyboard moved focus in the window (Tab), not for focus a window hands out when it opens.
namespace FocusRing {

bool shows(const QWidget &widget);
// Draws the ring just inside `rect` with corner `radius` when shows() is true.
void paint(QPainter &painter, const QWidget &widget, const QRectF &rect, qreal radius);

} // namespace FocusRing
