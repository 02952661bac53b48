// SPDX-License-Identifier: MIT
#pragma once

#include "app/statuscolor.h"
#include "model/cardpriority.h"
#include "model/kanbancolumn.h"
#include "model/projectstatus.h"

#include <QColor>
#include <QPalette>

class QWidget;

// The one colour table of the desktop application. Named colours are the Mac system colours,
// in their light or dark variant by the palette they are drawn on, so they stay readable on both.
// Every function takes the palette of the widget that draws (QWidget::palette(), or a style
// option's palette in a delegate).
namespace Colors {

// True when the palette's window background is dark.
bool isDark(const QPalette &palette);

// A label or cover colour by its stored name: "red", "orange", "yellow", "green", "blue",
// "purple"; any other name (and "gray") is gray.
QColor named(const QString &name, const QPalette &palette);
QColor status(StatusColor color, const QPalette &palette);
QColor column(KanbanColumn column, const QPalette &palette); // idea blue, doing orange, done green
QColor priority(CardPriority priority,
                const QPalette &palette); // low blue, medium orange, high red
// The status symbol's colour: development blue, done green, parked gray.
QColor projectStatus(ProjectStatus status, const QPalette &palette);

// Text and symbol levels derived from the palette's text colour.
QColor primary(const QPalette &palette);
QColor secondary(const QPalette &palette);
QColor tertiary(const QPalette &palette);
// The faint fill behind a hovered icon button or row.
QColor quaternaryFill(const QPalette &palette);
// The accent of the platform (selection, prominent buttons, focus rings).
QColor accent(const QPalette &palette);
// Text, symbols and knobs drawn on the accent or on a status colour: white.
QColor onAccent();

// Draws `widget`'s text (a label's) in `color`.
void setTextColor(QWidget &widget, const QColor &color);

// `color` with its alpha set to `opacity` (0 to 1) of full.
QColor withAlpha(const QColor &color, qreal opacity);

} // namespace Colors
