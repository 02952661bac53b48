// SPDX-License-Identifier: MIT
#include "ui/card/checklistdelegate.h"

#include "ui/card/checklistmodel.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/focusring.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr int gap = 4;
constexpr int symbolSize = 12;
constexpr qreal radius = 7;

QFont textFont(bool done)
{
    QFont font = Typography::font(12);
    font.setStrikeOut(done);
    return font;
}

} // namespace

ChecklistDelegate::ChecklistDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

ChecklistDelegate::Layout ChecklistDelegate::layout(const QRect &cell)
{
    Layout parts;
    parts.toggle = QRect(cell.left(), cell.top(), rowHeight, rowHeight);
    parts.remove = QRect(cell.right() - rowHeight + 1, cell.top(), rowHeight, rowHeight);
    parts.text =
        QRect(parts.toggle.right() + 1 + gap, cell.top(),
              qMax(0, parts.remove.left() - gap - parts.toggle.right() - 1 - gap), rowHeight);
    return parts;
}

std::optional<ChecklistDelegate::Part> ChecklistDelegate::partAt(const QRect &cell,
                                                                 const QPoint &pos)
{
    const Layout parts = layout(cell);
    if (parts.toggle.contains(pos))
        return Part::Toggle;
    if (parts.remove.contains(pos))
        return Part::Remove;
    return std::nullopt;
}

void ChecklistDelegate::setHotPart(const QModelIndex &index, std::optional<Part> part, bool pressed)
{
    m_hotIndex = index;
    m_hotPart = index.isValid() ? part : std::nullopt;
    m_pressed = pressed && m_hotPart;
}

QSize ChecklistDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return {option.rect.width(), rowHeight};
}

void ChecklistDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    const QPalette &colors = option.palette;
    const Layout parts = layout(option.rect);
    const bool done = index.data(ChecklistModel::DoneRole).toBool();
    const bool hotRow = m_hotIndex.isValid() && m_hotIndex == index;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // The current row of a focused list carries the ring, as a focused button would.
    if (option.widget && (option.state & QStyle::State_HasFocus))
        FocusRing::paint(*painter, *option.widget, option.rect, radius);

    for (const Part part : {Part::Toggle, Part::Remove}) {
        const QRect box = part == Part::Toggle ? parts.toggle : parts.remove;
        const bool hot = hotRow && m_hotPart == part;
        if (hot) {
            QColor fill = Colors::quaternaryFill(colors);
            if (m_pressed)
                fill.setAlphaF(fill.alphaF() * 1.8f);
            painter->setPen(Qt::NoPen);
            painter->setBrush(fill);
            painter->drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        }
        QColor color = hot ? Colors::primary(colors) : Colors::secondary(colors);
        QString symbol = u"xmark"_s;
        if (part == Part::Toggle) {
            symbol = done ? u"checkmark.circle.fill"_s : u"circle"_s;
            if (done)
                color = Colors::named(u"green"_s, colors);
        }
        const QPointF center = QRectF(box).center();
        Symbols::paint(*painter,
                       QRectF(center.x() - symbolSize / 2.0, center.y() - symbolSize / 2.0,
                              symbolSize, symbolSize),
                       symbol, color);
    }

    const QFont font = textFont(done);
    painter->setFont(font);
    painter->setPen(done ? Colors::secondary(colors) : colors.color(QPalette::WindowText));
    const QString text = index.data().toString();
    painter->drawText(parts.text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      ElidedLabel::elided(text, QFontMetrics(font), parts.text.width()));
    painter->restore();
}
