// SPDX-License-Identifier: MIT
#include "ui/main/sidebardelegate.h"

#include "app/presentation.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/emojipainter.h"
#include "ui/components/statusdot.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"
#include "ui/main/sidebarmodel.h"
#include "ui/main/sidebarview.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

using Kind = SidebarModel::Kind;

constexpr int rowHeight = 28;
constexpr int headerHeight = 30;
constexpr int inner = 8; // from the row's rounded box to its content
constexpr qreal radius = 6;
constexpr int emojiWidth = 18;
constexpr int symbolSize = 11;
constexpr int dotSize = 7;
constexpr int gap = 7;

QRectF contentBox(const QStyleOptionViewItem &option)
{
    return QRectF(option.rect)
        .adjusted(SidebarDelegate::sideMargin, 1, -SidebarDelegate::sideMargin, -1);
}

const SidebarView *viewOf(const QStyleOptionViewItem &option)
{
    return qobject_cast<const SidebarView *>(option.widget);
}

void drawLine(QPainter &painter, const QRectF &rect, const QString &text, const QFont &font,
              const QColor &color, Qt::Alignment alignment = Qt::AlignLeft)
{
    painter.setFont(font);
    painter.setPen(color);
    const QString shown = ElidedLabel::elided(text, QFontMetrics(font), int(rect.width()));
    painter.drawText(rect, int(alignment | Qt::AlignVCenter | Qt::TextSingleLine), shown);
}

} // namespace

SidebarDelegate::SidebarDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QSize SidebarDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int width = option.rect.width();
    switch (SidebarModel::kind(index)) {
    case Kind::Overview:
    case Kind::Project:
        return {width, rowHeight};
    case Kind::Folder:
    case Kind::NoFolder:
        break;
    }
    return {width, headerHeight};
}

void SidebarDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QPalette &colors = option.palette;
    const QRectF box = contentBox(option);
    const Kind kind = SidebarModel::kind(index);
    const SidebarView *view = viewOf(option);
    const bool selected = option.state & QStyle::State_Selected;
    const bool focused = view && view->hasFocus();
    const bool dropTarget = view && view->dropTarget() == index;

    painter->setPen(Qt::NoPen);
    if (dropTarget) {
        painter->setBrush(Colors::withAlpha(Colors::named(u"blue"_s, colors), 0.15));
        painter->drawRoundedRect(box, radius, radius);
    } else if (selected) {
        painter->setBrush(focused ? Colors::accent(colors) : Colors::quaternaryFill(colors));
        painter->drawRoundedRect(box, radius, radius);
        if (!focused) // twice the faint fill reads as selected without the focus
            painter->drawRoundedRect(box, radius, radius);
    } else if ((option.state & QStyle::State_MouseOver) &&
               (kind == Kind::Project || kind == Kind::Overview)) {
        painter->setBrush(Colors::quaternaryFill(colors));
        painter->drawRoundedRect(box, radius, radius);
    }
    const bool onAccent = selected && focused && !dropTarget;

    switch (kind) {
    case Kind::Overview: {
        const QColor ink = onAccent ? Colors::onAccent() : Colors::accent(colors);
        const QRectF symbol(box.left() + inner, box.center().y() - 7.5, 15, 15);
        Symbols::paint(*painter, symbol, u"square.grid.2x2"_s, ink);
        drawLine(*painter, box.adjusted(inner + 15 + gap, 0, -inner, 0), index.data().toString(),
                 Typography::font(13), onAccent ? Colors::onAccent() : Colors::primary(colors));
        break;
    }
    case Kind::Folder:
    case Kind::NoFolder:
        paintHeader(*painter, option, index);
        break;
    case Kind::Project:
        paintProject(*painter, option, index, box, onAccent);
        break;
    }
    painter->restore();
}

void SidebarDelegate::paintHeader(QPainter &painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    const QPalette &colors = option.palette;
    // Headers sit low in their row: the room above parts the sections.
    const QRectF box = contentBox(option).adjusted(0, 6, 0, 0);
    const QFont font = Typography::font(11.5, QFont::DemiBold);
    qreal x = box.left() + 2;
    if (SidebarModel::kind(index) == Kind::Folder) {
        const bool expanded = index.data(SidebarModel::ExpandedRole).toBool();
        const QRectF chevron(x, box.center().y() - 5, 10, 10);
        painter.save();
        painter.translate(chevron.center());
        painter.rotate(expanded ? 90 : 0);
        Symbols::paint(painter, QRectF(-5, -5, 10, 10), u"chevron.right"_s,
                       Colors::tertiary(colors));
        painter.restore();
        x += 10 + 5;
        Symbols::paint(painter, QRectF(x, box.center().y() - 7, 14, 14), u"folder.fill"_s,
                       Colors::secondary(colors));
        x += 14 + 6;
        const QString count = QString::number(index.data(SidebarModel::CountRole).toInt());
        const QFont countFont = Typography::font(11);
        const int countWidth = QFontMetrics(countFont).horizontalAdvance(count);
        const QRectF countRect(box.right() - inner - countWidth, box.top(), countWidth,
                               box.height());
        drawLine(painter, countRect, count, countFont, Colors::secondary(colors), Qt::AlignRight);
        drawLine(painter, QRectF(x, box.top(), countRect.left() - gap - x, box.height()),
                 index.data().toString(), font, Colors::secondary(colors));
        return;
    }
    drawLine(painter, QRectF(x, box.top(), box.right() - x - inner, box.height()),
             index.data().toString(), font, Colors::secondary(colors));
}

void SidebarDelegate::paintProject(QPainter &painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index, const QRectF &box, bool onAccent) const
{
    const QPalette &colors = option.palette;
    const qreal middle = box.center().y();
    qreal x = box.left() + inner;
    EmojiPainter::paint(painter, QRectF(x, box.top(), emojiWidth + 4, box.height()),
                        index.data(SidebarModel::EmojiRole).toString(), 14,
                        Colors::primary(colors));
    x += emojiWidth + gap;

    const qreal dotX = box.right() - inner - dotSize;
    const qreal symbolX = dotX - gap - symbolSize;
    StatusDot::paint(painter, QPointF(dotX + dotSize / 2.0, middle),
                     StatusColor(index.data(SidebarModel::StatusColorRole).toInt()), dotSize,
                     colors);
    const auto status = ProjectStatus(index.data(SidebarModel::ProjectStatusRole).toInt());
    Symbols::paint(painter, QRectF(symbolX, middle - symbolSize / 2.0, symbolSize, symbolSize),
                   ProjectStatuses::symbol(status),
                   onAccent ? Colors::onAccent() : Colors::projectStatus(status, colors));
    drawLine(painter, QRectF(x, box.top(), symbolX - gap - x, box.height()),
             index.data().toString(), Typography::font(13),
             onAccent ? Colors::onAccent() : Colors::primary(colors));
}
