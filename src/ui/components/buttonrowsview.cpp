// SPDX-License-Identifier: MIT
#include "ui/components/buttonrowsview.h"

#include <QMouseEvent>

ButtonRowsView::ButtonRowsView(QWidget *parent)
    : QListView(parent)
{
    setMouseTracking(true);
}

std::optional<int> ButtonRowsView::partUnder(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? partAt(index, pos) : std::nullopt;
}

void ButtonRowsView::setHot(const QModelIndex &index, std::optional<int> part)
{
    const bool pressed = part && m_pressedPart == part && m_pressedIndex == index;
    const QModelIndex previous = m_hotIndex;
    m_hotIndex = index;
    showHot(index, part, pressed);
    if (previous.isValid() && previous != index)
        update(previous);
    if (index.isValid())
        update(index);
}

void ButtonRowsView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    setHot(indexAt(pos), partUnder(pos));
    QListView::mouseMoveEvent(event);
}

void ButtonRowsView::leaveEvent(QEvent *event)
{
    setHot({}, std::nullopt);
    QListView::leaveEvent(event);
}

void ButtonRowsView::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        m_pressedIndex = indexAt(pos);
        m_pressedPart = partUnder(pos);
    }
    setHot(indexAt(pos), partUnder(pos));
}

void ButtonRowsView::mouseReleaseEvent(QMouseEvent *event)
{
    QListView::mouseReleaseEvent(event);
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    const std::optional<int> part = partUnder(pos);
    const bool clicked = event->button() == Qt::LeftButton && part && part == m_pressedPart &&
                         index == m_pressedIndex;
    if (event->button() == Qt::LeftButton) {
        m_pressedIndex = QPersistentModelIndex();
        m_pressedPart.reset();
    }
    setHot(index, part);
    if (clicked)
        partClicked(index, *part);
}
