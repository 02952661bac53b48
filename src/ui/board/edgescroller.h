// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QScrollArea;
class QWidget;

// Scrolls the page while a dragged card hovers near its top or bottom edge, faster the closer it
// gets, for as long as it stays there. Runs only during a drag.
class EdgeScroller final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EdgeScroller)

public:
    explicit EdgeScroller(QObject *parent = nullptr);

    // A drag is at `point` in `widget`'s coordinates.
    void dragMoved(QWidget *widget, const QPoint &point);
    void stop();

private:
    void step();

    QTimer m_timer;
    QPointer<QScrollArea> m_page;
    int m_speed = 0;
};
