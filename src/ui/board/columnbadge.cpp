// SPDX-License-Identifier: MIT
#include "ui/board/columnbadge.h"

#include "ui/components/colors.h"
#include "ui/components/symbols.h"

#include <QPainter>

namespace {

constexpr int side = 22;
constexpr int symbolSide = 12;

} // namespace

ColumnBadge::ColumnBadge(KanbanColumn column, QWidget *parent)
    : QWidget(parent)
    , m_column(column)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ColumnBadge::sizeHint() const
{
    return {side, side};
}

void ColumnBadge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = Colors::column(m_column, palette());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colors::withAlpha(color, 0.15));
    painter.drawEllipse(QRectF(0, 0, side, side));
    const qreal offset = (side - symbolSide) / 2.0;
    Symbols::paint(painter, QRectF(offset, offset, symbolSide, symbolSide),
                   KanbanColumns::symbol(m_column), color);
}
