// SPDX-License-Identifier: MIT
#include "ui/components/statusdot.h"

#include "ui/components/colors.h"

#include <QPainter>
#include <QtMath>

StatusDot::StatusDot(StatusColor status, qreal diameter, QWidget *parent)
    : QWidget(parent)
    , m_status(status)
    , m_diameter(diameter)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void StatusDot::setStatus(StatusColor status)
{
    if (m_status == status)
        return;
    m_status = status;
    update();
}

void StatusDot::setDiameter(qreal diameter)
{
    if (qFuzzyCompare(m_diameter, diameter))
        return;
    m_diameter = diameter;
    updateGeometry();
    update();
}

QSize StatusDot::sizeHint() const
{
    const int side = qCeil(m_diameter);
    return {side, side};
}

void StatusDot::paint(QPainter &painter, const QPointF &center, StatusColor status, qreal diameter,
                      const QPalette &palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colors::status(status, palette));
    painter.drawEllipse(center, diameter / 2, diameter / 2);
    painter.restore();
}

void StatusDot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()).center(), m_status, m_diameter, palette());
}
