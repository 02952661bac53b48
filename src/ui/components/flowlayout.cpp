// SPDX-License-Identifier: MIT
#include "ui/components/flowlayout.h"

#include <QWidget>

#include <limits>

FlowLayout::FlowLayout(int spacing, QWidget *parent)
    : QLayout(parent)
    , m_spacing(spacing)
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::setSpacing(int spacing)
{
    m_spacing = spacing;
    invalidate();
}

int FlowLayout::spacing() const
{
    return m_spacing;
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
    invalidate();
}

int FlowLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem *item = m_items.takeAt(index);
    invalidate();
    return item;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::measure(const QList<QSize> &sizes, int width, int spacing)
{
    const qint64 available = width < 0 ? std::numeric_limits<qint64>::max() : width;
    qint64 x = 0;
    int y = 0;
    int rowHeight = 0;
    for (const QSize &size : sizes) {
        if (x > 0 && x + size.width() > available) {
            y += rowHeight + spacing;
            x = 0;
            rowHeight = 0;
        }
        x += size.width() + spacing;
        rowHeight = qMax(rowHeight, size.height());
    }
    return y + rowHeight;
}

QList<QRect> FlowLayout::place(const QList<QSize> &sizes, const QRect &bounds, int spacing)
{
    QList<QRect> places;
    places.reserve(sizes.size());
    const int left = bounds.left();
    const int right = bounds.left() + bounds.width(); // the edge, not QRect::right()'s last pixel
    int x = left;
    int y = bounds.top();
    int rowHeight = 0;
    for (const QSize &size : sizes) {
        if (x > left && x + size.width() > right) {
            x = left;
            y += rowHeight + spacing;
            rowHeight = 0;
        }
        places.append(QRect(QPoint(x, y), size));
        x += size.width() + spacing;
        rowHeight = qMax(rowHeight, size.height());
    }
    return places;
}

QList<QSize> FlowLayout::visibleSizes() const
{
    QList<QSize> sizes;
    for (const QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            sizes.append(item->sizeHint());
    }
    return sizes;
}

int FlowLayout::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    const int inner = qMax(0, width - margins.left() - margins.right());
    return measure(visibleSizes(), inner, m_spacing) + margins.top() + margins.bottom();
}

QSize FlowLayout::sizeHint() const
{
    // Everything on one row: the width that wraps nothing.
    const QList<QSize> sizes = visibleSizes();
    int width = 0;
    for (const QSize &size : sizes)
        width += size.width();
    if (!sizes.isEmpty())
        width += m_spacing * int(sizes.size() - 1);
    const QMargins margins = contentsMargins();
    return QSize(width, measure(sizes, -1, m_spacing)).grownBy(margins);
}

QSize FlowLayout::minimumSize() const
{
    // Never narrower than its widest item; the height comes from heightForWidth.
    int widest = 0;
    for (const QSize &size : visibleSizes())
        widest = qMax(widest, size.width());
    const QMargins margins = contentsMargins();
    return QSize(widest, 0).grownBy(margins);
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const QRect bounds = rect.marginsRemoved(contentsMargins());
    QList<QLayoutItem *> shown;
    for (QLayoutItem *item : std::as_const(m_items)) {
        if (!item->isEmpty())
            shown.append(item);
    }
    const QList<QRect> places = place(visibleSizes(), bounds, m_spacing);
    for (qsizetype i = 0; i < shown.size(); ++i)
        shown[i]->setGeometry(places[i]);
}
