// SPDX-License-Identifier: MIT
#include "ui/components/emojipainter.h"

#include "ui/components/elidedlabel.h"
#include "ui/components/typography.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <cmath>

namespace EmojiPainter {

void paint(QPainter &painter, const QRectF &rect, const QString &emoji, qreal points,
           const QColor &color, Qt::Alignment alignment)
{
    if (emoji.isEmpty() || rect.isEmpty())
        return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize size(int(std::ceil(rect.width())), int(std::ceil(rect.height())));
    const QString key = QStringLiteral("quaylin-emoji|%1|%2|%3x%4|%5|%6|%7")
                            .arg(emoji)
                            .arg(points)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(ratio)
                            .arg(color.rgba())
                            .arg(int(alignment));
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap(size * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter image(&pixmap);
        image.setFont(Typography::emoji(points));
        image.setPen(color);
        image.drawText(QRectF(QPointF(0, 0), size),
                       int(alignment | Qt::AlignVCenter | Qt::TextSingleLine),
                       ElidedLabel::singleLine(emoji));
        image.end();
        QPixmapCache::insert(key, pixmap);
    }
    painter.drawPixmap(rect.topLeft(), pixmap);
}

} // namespace EmojiPainter
