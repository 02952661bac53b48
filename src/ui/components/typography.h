// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// Text sizes are given as a Mac designer gives them (13 is body text, 11 small, 22 a title) and
// scaled to the application font, so a user's larger or smaller system font scales every screen
// alike. Weights are QFont's.
namespace Typography {

// The application font at `points` on the body-13 scale, with `weight`.
QFont font(qreal points, QFont::Weight weight = QFont::Normal);
// The same from another base font (a widget's own font).
QFont font(const QFont &base, qreal points, QFont::Weight weight = QFont::Normal);
// The system's fixed-pitch font at `points` on the same scale.
QFont monospace(qreal points, QFont::Weight weight = QFont::Normal);
// For a project's emoji: a colour emoji font first, so "☕" or "✍️" is not drawn as a plain
// text glyph of the body font; other characters fall back to the application font.
QFont emoji(qreal points);

} // namespace Typography
