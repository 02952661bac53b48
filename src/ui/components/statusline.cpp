// SPDX-License-Identifier: MIT
#include "ui/components/statusline.h"

#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/statusdot.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"

#include <QPainter>

namespace {

constexpr qreal symbolSlot = 13;
constexpr qreal symbolSize = 10;
constexpr qreal dotSize = 6;
constexpr qreal gap = 6;
constexpr qreal textStart = symbolSlot + gap + dotSize + gap;

} // namespace

StatusLine::StatusLine(const QString &symbol, StatusColor status, const QString &text,
                       QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_status(status)
{
    setFont(textFont());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setText(text);
}

void StatusLine::setSymbol(const QString &symbol)
{
    if (m_symbol == symbol)
        return;
    m_symbol = symbol;
    update();
}

void StatusLine::setStatus(StatusColor status)
{
    if (m_status == status)
        return;
    m_status = status;
    update();
}

void StatusLine::setText(const QString &text)
{
    const QString line = ElidedLabel::singleLine(text);
    if (m_text == line)
        return;
    m_text = line;
    setAccessibleName(line);
    updateGeometry();
    update();
}

QSize StatusLine::sizeHint() const
{
    const QSize minimum = minimumSizeHint();
    return {minimum.width() + ElidedLabel::preferredWidth(m_text, font()), minimum.height()};
}

QSize StatusLine::minimumSizeHint() const
{
    return {int(textStart), lineHeight(font())};
}

QFont StatusLine::textFont()
{
    return Typography::font(11);
}

int StatusLine::lineHeight(const QFont &font)
{
    return qMax(int(symbolSlot), QFontMetrics(font).height());
}

void StatusLine::paint(QPainter &painter, const QRectF &rect, const QString &symbol,
                       StatusColor status, const QString &text, const QPalette &palette,
                       const QFont &font)
{
    const QColor secondary = Colors::secondary(palette);
    const qreal middle = rect.center().y();
    const QRectF slot(rect.left(), middle - symbolSlot / 2, symbolSlot, symbolSlot);
    Symbols::paint(
        painter,
        QRectF(slot.center() - QPointF(symbolSize, symbolSize) / 2, QSizeF(symbolSize, symbolSize)),
        symbol, secondary);
    StatusDot::paint(painter, QPointF(rect.left() + symbolSlot + gap + dotSize / 2, middle), status,
                     dotSize, palette);

    const QRectF textRect(rect.left() + textStart, rect.top(), rect.width() - textStart,
                          rect.height());
    if (textRect.width() <= 0)
        return;
    painter.save();
    painter.setFont(font);
    painter.setPen(secondary);
    const QFontMetrics metrics(font);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     ElidedLabel::elided(text, metrics, int(textRect.width())));
    painter.restore();
}

void StatusLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, rect(), m_symbol, m_status, m_text, palette(), font());
}
