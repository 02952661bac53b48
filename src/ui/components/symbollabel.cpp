// SPDX-License-Identifier: MIT
#include "ui/components/symbollabel.h"

#include "ui/components/elidedlabel.h"
#include "ui/components/symbols.h"

#include <QPainter>

namespace {

constexpr int gap = 6;

} // namespace

SymbolLabel::SymbolLabel(const QString &symbol, const QString &text, QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setText(text);
}

void SymbolLabel::setSymbol(const QString &symbol)
{
    if (m_symbol == symbol)
        return;
    m_symbol = symbol;
    updateGeometry();
    update();
}

void SymbolLabel::setText(const QString &text)
{
    const QString line = ElidedLabel::singleLine(text);
    if (m_text == line)
        return;
    m_text = line;
    setAccessibleName(line);
    updateGeometry();
    update();
}

void SymbolLabel::setSymbolColor(const QColor &color)
{
    m_symbolColor = color;
    update();
}

void SymbolLabel::setTextColor(const QColor &color)
{
    m_textColor = color;
    update();
}

void SymbolLabel::setSymbolSize(int size)
{
    m_symbolSize = size;
    updateGeometry();
    update();
}

int SymbolLabel::symbolSide() const
{
    if (m_symbol.isEmpty())
        return 0;
    return m_symbolSize > 0 ? m_symbolSize : QFontInfo(font()).pixelSize();
}

int SymbolLabel::textOffset() const
{
    const int side = symbolSide();
    return side > 0 && !m_text.isEmpty() ? side + gap : side;
}

QSize SymbolLabel::sizeHint() const
{
    const QSize minimum = minimumSizeHint();
    return {minimum.width() + ElidedLabel::preferredWidth(m_text, font()), minimum.height()};
}

QSize SymbolLabel::minimumSizeHint() const
{
    const int height = m_text.isEmpty() ? 0 : fontMetrics().height();
    return {textOffset(), qMax(height, symbolSide())};
}

void SymbolLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor textColor =
        m_textColor.isValid() ? m_textColor : palette().color(foregroundRole());
    const int side = symbolSide();
    const QRectF area = rect();
    if (side > 0) {
        const QRectF symbolRect(area.left(), area.center().y() - side / 2.0, side, side);
        Symbols::paint(painter, symbolRect, m_symbol,
                       m_symbolColor.isValid() ? m_symbolColor : textColor);
    }
    if (m_text.isEmpty())
        return;
    const QRect textRect = rect().adjusted(textOffset(), 0, 0, 0);
    painter.setPen(textColor);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     ElidedLabel::elided(m_text, fontMetrics(), textRect.width()));
}
