// SPDX-License-Identifier: MIT
#include "ui/board/tilechrome.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QtMath>

namespace {

using TileChrome::radius;
using TileChrome::stripWidth;

constexpr int shadowOffset = 1;
// The stretched middle of the nine pieces; everything else is corners and edges.
constexpr int corner = 11;
constexpr int middle = 2;

int shadowMargin(const TileChrome::Look &look)
{
    return qCeil(look.shadowBlur * 0.5) + shadowOffset;
}

QString cacheKey(const TileChrome::Look &look, qreal ratio)
{
    return QStringLiteral("tilechrome-%1-%2-%3-%4-%5-%6-%7")
        .arg(look.body.rgba())
        .arg(look.strip.rgba())
        .arg(look.outline.rgba())
        .arg(look.outlineWidth)
        .arg(look.shadowOpacity)
        .arg(look.shadowBlur)
        .arg(ratio);
}

// A tile of the smallest size that has all of its corners and edges, with its shadow around it.
QPixmap render(const TileChrome::Look &look, qreal ratio)
{
    const int margin = shadowMargin(look);
    const int side = 2 * corner + middle;
    QPixmap pixmap(QSize(side + 2 * margin, side + 2 * margin) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(margin, margin, side, side);

    painter.setPen(Qt::NoPen);
    const QRectF shadow = tile.translated(0, shadowOffset);
    for (int step = look.shadowBlur; step >= 1; --step) {
        const qreal grow = step * 0.5;
        const qreal alpha = look.shadowOpacity * 2.0 / look.shadowBlur *
                            (1.0 - qreal(step) / (look.shadowBlur + 1));
        painter.setBrush(QColor(0, 0, 0, qRound(255 * alpha)));
        painter.drawRoundedRect(shadow.adjusted(-grow, -grow, grow, grow), radius + grow,
                                radius + grow);
    }

    QPainterPath body;
    body.addRoundedRect(tile, radius, radius);
    painter.fillPath(body, look.body);
    painter.setClipPath(body);
    painter.fillRect(QRectF(tile.left(), tile.top(), stripWidth, tile.height()), look.strip);
    painter.setClipping(false);

    const qreal inset = look.outlineWidth / 2;
    painter.setPen(QPen(look.outline, look.outlineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(tile.adjusted(inset, inset, -inset, -inset), radius - inset,
                            radius - inset);
    return pixmap;
}

} // namespace

namespace TileChrome {

void paint(QPainter &painter, const QRect &tile, const Look &look)
{
    const qreal deviceRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QString key = cacheKey(look, deviceRatio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = render(look, deviceRatio);
        QPixmapCache::insert(key, pixmap);
    }
    const int margin = shadowMargin(look);
    const int edge = margin + corner;
    const QRect target = tile.adjusted(-margin, -margin, margin, margin);
    const QSize source = pixmap.size() / pixmap.devicePixelRatio();
    const qreal ratio = pixmap.devicePixelRatio();
    const int targetMiddleW = target.width() - 2 * edge;
    const int targetMiddleH = target.height() - 2 * edge;
    const int sourceMiddle = source.width() - 2 * edge;
    const int xs[3] = {0, edge, source.width() - edge};
    const int ws[3] = {edge, sourceMiddle, edge};
    const int xt[3] = {target.left(), target.left() + edge, target.right() + 1 - edge};
    const int wt[3] = {edge, targetMiddleW, edge};
    const int ys[3] = {0, edge, source.height() - edge};
    const int hs[3] = {edge, source.height() - 2 * edge, edge};
    const int yt[3] = {target.top(), target.top() + edge, target.bottom() + 1 - edge};
    const int ht[3] = {edge, targetMiddleH, edge};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (wt[column] <= 0 || ht[row] <= 0)
                continue;
            // Source rectangles count the pixmap's own pixels.
            painter.drawPixmap(
                QRectF(xt[column], yt[row], wt[column], ht[row]), pixmap,
                QRectF(xs[column] * ratio, ys[row] * ratio, ws[column] * ratio, hs[row] * ratio));
        }
    }
}

} // namespace TileChrome
