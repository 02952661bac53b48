// SPDX-License-Identifier: MIT
#pragma once

#include "app/statuscolor.h"

#include <QWidget>

// A filled circle in a status colour: 7 wide in sidebar rows, 6 in status lines and panel rows.
class StatusDot final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusDot)

public:
    explicit StatusDot(StatusColor status = StatusColor::Gray, qreal diameter = 6,
                       QWidget *parent = nullptr);

    StatusColor status() const { return m_status; }
    void setStatus(StatusColor status);
    qreal diameter() const { return m_diameter; }
    void setDiameter(qreal diameter);

    QSize sizeHint() const override;

    // Draws the dot centred on `center`, for delegates and other paintEvents.
    static void paint(QPainter &painter, const QPointF &center, StatusColor status, qreal diameter,
                      const QPalette &palette);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    StatusColor m_status;
    qreal m_diameter;
};
