// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QStringList>

class QPainter;
class QRectF;

// The symbols the screens draw, by the names the screens use ("sailboat.fill",
// "arrow.triangle.branch", "checkmark.circle", ...), each backed by one bundled SVG and painted
// in the colour the caller gives. A ".fill" name draws the outline's shape filled, with its inner
// marks cut out, so "sailboat" and "sailboat.fill" differ at a glance. Main thread only.
namespace Symbols {

// Every symbol name the table knows, in table order.
QStringList names();
bool contains(const QString &name);

// The symbol in `color`, centred in a `size` logical-pixel square, rendered for
// `devicePixelRatio` and cached by name, colour, size and ratio. A null pixmap for an unknown name.
QPixmap pixmap(const QString &name, const QColor &color, int size, qreal devicePixelRatio = 1.0);

// An icon that draws the symbol in `color` at any size and ratio (faded when disabled), for
// buttons, actions and menus. A null icon for an unknown name.
QIcon icon(const QString &name, const QColor &color);

// Draws the symbol in `color` centred in `rect` at the size of its shorter side, crisp at the
// painter's device pixel ratio. For painting delegates and paintEvents; draws nothing for an
// unknown name.
void paint(QPainter &painter, const QRectF &rect, const QString &name, const QColor &color);

} // namespace Symbols
