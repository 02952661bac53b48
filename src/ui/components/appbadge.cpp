// SPDX-License-Identifier: MIT
#include "ui/components/appbadge.h"

#include "ui/components/symbols.h"

#include <QLinearGradient>
#include <QPainter>

AppBadge::AppBadge(int side, QWidget *parent)
    : QWidget(parent)
    , m_side(side)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void AppBadge::setSide(int side)
{
    m_side = side;
    updateGeometry();
    update();
}

QSize AppBadge::sizeHint() const
{
    return {m_side, m_side};
}

void AppBadge::paint(QPainter &painter, const QRectF &rect, const QString &symbol)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, QColor(90, 170, 255));
    gradient.setColorAt(1, QColor(0, 98, 224));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    const qreal radius = rect.width() * 0.24;
    painter.drawRoundedRect(rect, radius, radius);
    const qreal side = rect.width() * 0.58;
    Symbols::paint(painter,
                   QRectF(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side),
                   symbol, Qt::white);
    painter.restore();
}

void AppBadge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int side = qMin(width(), height());
    paint(painter, QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side));
}
