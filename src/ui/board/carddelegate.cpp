// SPDX-License-Identifier: MIT
#include "ui/board/carddelegate.h"

#include "app/appmodel.h"
#include "ui/board/cardlistmodel.h"
#include "ui/components/focusring.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

const TaskCard &cardOf(const QModelIndex &index)
{
    return static_cast<const CardListModel *>(index.model())->cardAt(index.row());
}

int tileWidth(int rowWidth)
{
    return qMax(0, rowWidth - 2 * CardTile::sideInset);
}

} // namespace

CardDelegate::CardDelegate(AppModel &model, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_model(model)
{
}

void CardDelegate::setCompact(bool compact)
{
    if (m_compact == compact)
        return;
    m_compact = compact;
    m_heights.clear();
}

int CardDelegate::rowHeight(const TaskCard &card, int width) const
{
    Heights &heights = m_heights[card.id];
    for (const Measured &measured : heights) {
        if (measured.width == width && measured.height > 0)
            return measured.height;
    }
    const CardTile tile(card, m_model.labels(), m_compact, tileWidth(width), m_fonts);
    std::rotate(heights.rbegin(), heights.rbegin() + 1, heights.rend());
    heights[0] = {width, tile.height() + gap()};
    return heights[0].height;
}

void CardDelegate::cardsChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const QModelIndex index = topLeft.siblingAtRow(row);
        const TaskCard &card = cardOf(index);
        const auto found = m_heights.constFind(card.id);
        if (found == m_heights.cend())
            continue;
        const Measured latest = found->front();
        m_heights.remove(card.id);
        if (latest.height > 0 && rowHeight(card, latest.width) != latest.height)
            Q_EMIT sizeHintChanged(index);
    }
}

int CardDelegate::viewWidth(const QStyleOptionViewItem &option)
{
    if (option.rect.width() > 0)
        return option.rect.width();
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    return view ? view->viewport()->width() : 0;
}

QSize CardDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int width = viewWidth(option);
    return {width, rowHeight(cardOf(index), width)};
}

void CardDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    const TaskCard &card = cardOf(index);
    const CardTile tile(card, m_model.labels(), m_compact, tileWidth(option.rect.width()), m_fonts);
    CardTile::State state;
    state.hovered = option.state.testFlag(QStyle::State_MouseOver);
    state.targeted = m_dropTarget == card.id;
    state.focused = option.state.testFlag(QStyle::State_HasFocus) && option.widget &&
                    FocusRing::shows(*option.widget);
    tile.paint(*painter, QPointF(option.rect.left() + CardTile::sideInset, option.rect.top()),
               option.palette, state, m_model.now());
}

bool CardDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                             const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const CardTile tile(cardOf(index), m_model.labels(), m_compact, tileWidth(option.rect.width()),
                        m_fonts);
    const QPointF origin(option.rect.left() + CardTile::sideInset, option.rect.top());
    const QString text = tile.toolTipAt(event->pos() - origin, m_model.now());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), text, view->viewport());
    return true;
}
