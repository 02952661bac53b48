// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

// Draws a project's emoji in item delegates. Colour emoji glyphs are PNG images the font engine
// decodes again on every draw; a list repainting its rows at each refresh result spent most of
// its painting time there, so each drawn emoji is kept as a pixmap and reused.
namespace EmojiPainter {

// `emoji` on one line in `Typography::emoji(points)`, aligned in `rect` (vertically centred),
// in `color` where a character has no colour glyph.
void paint(QPainter &painter, const QRectF &rect, const QString &emoji, qreal points,
           const QColor &color, Qt::Alignment alignment = Qt::AlignLeft);

} // namespace EmojiPainter
