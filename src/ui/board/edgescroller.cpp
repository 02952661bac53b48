// SPDX-License-Identifier: MIT
#include "ui/board/edgescroller.h"

#include <QScrollArea>
#include <QScrollBar>

namespace {

constexpr int edge = 40;
constexpr int maximumStep = 24;

QScrollArea *pageOf(QWidget *widget)
{
    for (QWidget *ancestor = widget; ancestor; ancestor = ancestor->parentWidget()) {
        if (auto *page = qobject_cast<QScrollArea *>(ancestor))
            return page;
    }
    return nullptr;
}

} // namespace

EdgeScroller::EdgeScroller(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(16);
    connect(&m_timer, &QTimer::timeout, this, &EdgeScroller::step);
}

void EdgeScroller::dragMoved(QWidget *widget, const QPoint &point)
{
    m_page = pageOf(widget);
    if (!m_page) {
        stop();
        return;
    }
    const int y = widget->mapTo(m_page->viewport(), point).y();
    const int height = m_page->viewport()->height();
    if (y < edge)
        m_speed = -qMax(1, (edge - y) * maximumStep / edge);
    else if (y > height - edge)
        m_speed = qMax(1, (y - (height - edge)) * maximumStep / edge);
    else
        m_speed = 0;
    if (m_speed == 0)
        stop();
    else if (!m_timer.isActive())
        m_timer.start();
}

void EdgeScroller::stop()
{
    m_timer.stop();
    m_speed = 0;
}

void EdgeScroller::step()
{
    if (!m_page || m_speed == 0) {
        stop();
        return;
    }
    QScrollBar *bar = m_page->verticalScrollBar();
    bar->setValue(bar->value() + m_speed);
}
