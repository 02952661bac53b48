// SPDX-License-Identifier: MIT
#include "ui/board/archivedelegate.h"

#include "app/presentation.h"
#include "i18n/localization.h"
#include "model/kanbancolumn.h"
#include "ui/board/archivemodel.h"
#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/focusring.h"
#include "ui/components/typography.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int padding = 10;
constexpr int textGap = 2;
constexpr int buttonGap = 8;
constexpr qreal radius = 8;

QFont titleFont()
{
    return Typography::font(12.5);
}

QFont columnFont()
{
    return Typography::font(10.5);
}

QFont buttonFont()
{
    return Typography::font(11.5);
}

const QStyle *styleOf(const QWidget *widget)
{
    return widget ? widget->style() : QApplication::style();
}

QSize buttonSize(const QString &text, const QWidget *widget)
{
    QStyleOptionButton option;
    option.text = text;
    option.fontMetrics = QFontMetrics(buttonFont());
    const QSize content(option.fontMetrics.horizontalAdvance(text), option.fontMetrics.height());
    // As QPushButton sizes itself: the style's padding and its minimum width.
    return styleOf(widget)->sizeFromContents(QStyle::CT_PushButton, &option, content, widget);
}

} // namespace

ArchiveDelegate::ArchiveDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QString ArchiveDelegate::text(Button button)
{
    return button == Button::Restore ? L(u"Obnovit"_s, "archive") : L(u"Smazat natrvalo"_s);
}

ArchiveDelegate::Layout ArchiveDelegate::layout(const QRect &cell, const QWidget *widget) const
{
    Layout parts;
    parts.row = cell.adjusted(0, 0, 0, -rowGap);
    const QRect inside = parts.row.adjusted(padding, padding, -padding, -padding);
    const QSize remove = buttonSize(text(Button::Delete), widget);
    const QSize restore = buttonSize(text(Button::Restore), widget);
    parts.remove = QRect(
        QPoint(inside.right() - remove.width() + 1, inside.center().y() - remove.height() / 2),
        remove);
    parts.restore = QRect(QPoint(parts.remove.left() - buttonGap - restore.width(),
                                 inside.center().y() - restore.height() / 2),
                          restore);
    const int textWidth = qMax(0, parts.restore.left() - buttonGap - inside.left());
    const int titleHeight = QFontMetrics(titleFont()).height();
    const int columnHeight = QFontMetrics(columnFont()).height();
    const int top = inside.center().y() - (titleHeight + textGap + columnHeight) / 2;
    parts.title = QRect(inside.left(), top, textWidth, titleHeight);
    parts.column = QRect(inside.left(), top + titleHeight + textGap, textWidth, columnHeight);
    return parts;
}

std::optional<ArchiveDelegate::Button>
ArchiveDelegate::buttonAt(const QRect &cell, const QWidget *widget, const QPoint &pos) const
{
    const Layout parts = layout(cell, widget);
    if (parts.restore.contains(pos))
        return Button::Restore;
    if (parts.remove.contains(pos))
        return Button::Delete;
    return std::nullopt;
}

void ArchiveDelegate::setHotButton(const QModelIndex &index, std::optional<Button> button,
                                   bool pressed)
{
    m_hotIndex = index;
    m_hotButton = index.isValid() ? button : std::nullopt;
    m_pressed = pressed && m_hotButton;
}

QSize ArchiveDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    const int texts =
        QFontMetrics(titleFont()).height() + textGap + QFontMetrics(columnFont()).height();
    const int buttons = buttonSize(text(Button::Delete), option.widget).height();
    return {option.rect.width(), qMax(texts, buttons) + 2 * padding + rowGap};
}

void ArchiveDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    const QPalette &colors = option.palette;
    const Layout parts = layout(option.rect, option.widget);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(Colors::withAlpha(Colors::primary(colors), 0.04));
    painter->drawRoundedRect(parts.row, radius, radius);
    if (option.widget && (option.state & QStyle::State_HasFocus))
        FocusRing::paint(*painter, *option.widget, parts.row, radius);

    const QString title = ElidedLabel::singleLine(index.data().toString());
    painter->setFont(titleFont());
    painter->setPen(Colors::primary(colors));
    painter->drawText(parts.title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      ElidedLabel::elided(title, QFontMetrics(titleFont()), parts.title.width()));
    const QString column =
        Presentation::title(index.data(ArchiveModel::ColumnRole).value<KanbanColumn>());
    painter->setFont(columnFont());
    painter->setPen(Colors::secondary(colors));
    painter->drawText(
        parts.column, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        ElidedLabel::elided(column, QFontMetrics(columnFont()), parts.column.width()));

    const bool hotRow = m_hotIndex.isValid() && m_hotIndex == index;
    for (const Button button : {Button::Restore, Button::Delete}) {
        QStyleOptionButton look;
        look.direction = option.direction;
        look.rect = button == Button::Restore ? parts.restore : parts.remove;
        look.text = text(button);
        look.fontMetrics = QFontMetrics(buttonFont());
        look.palette = colors;
        look.state = QStyle::State_Enabled | QStyle::State_Raised;
        look.state.setFlag(QStyle::State_Active, option.state.testFlag(QStyle::State_Active));
        if (hotRow && m_hotButton == button) {
            look.state |= QStyle::State_MouseOver;
            look.state.setFlag(QStyle::State_Raised, !m_pressed);
            look.state.setFlag(QStyle::State_Sunken, m_pressed);
        }
        if (button == Button::Delete)
            look.palette.setColor(QPalette::ButtonText, Colors::named(u"red"_s, colors));
        painter->setFont(buttonFont());
        styleOf(option.widget)->drawControl(QStyle::CE_PushButton, &look, painter, option.widget);
    }
    painter->restore();
}
