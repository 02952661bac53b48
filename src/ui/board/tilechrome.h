// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The frame of a card tile: its soft shadow, the opaque rounded body with the column's strip on
// the leading edge, and the outline. Drawn from a small image cut in nine and stretched, made
// once per look, so a tile costs a few image copies instead of antialiased paths.
namespace TileChrome {

constexpr qreal radius = 10;
constexpr int stripWidth = 4;

struct Look {
    QColor body;
    QColor strip;
    QColor outline;
    qreal outlineWidth = 1;
    qreal shadowOpacity = 0.05;
    int shadowBlur = 2;
};

void paint(QPainter &painter, const QRect &tile, const Look &look);

} // namespace TileChrome
