// SPDX-License-Identifier: MIT
#include "ui/components/statchip.h"

#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int paddingX = 12;
constexpr int paddingY = 8;
constexpr int symbolSize = 14;
constexpr int symbolGap = 8;
constexpr int valueGap = 5;
constexpr qreal radius = 10;

QFont valueFont()
{
    return Typography::font(15, QFont::Bold);
}

QFont labelFont()
{
    return Typography::font(12);
}

} // namespace

StatChip::StatChip(const QString &symbol, const QColor &tint, QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_tint(tint)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    updateAccessibleName();
}

void StatChip::setSymbol(const QString &symbol)
{
    m_symbol = symbol;
    update();
}

void StatChip::setTint(const QColor &tint)
{
    m_tint = tint;
    update();
}

void StatChip::setValue(int value)
{
    if (m_value == value)
        return;
    m_value = value;
    updateAccessibleName();
    updateGeometry();
    update();
}

void StatChip::setLabel(const QString &label)
{
    const QString line = ElidedLabel::singleLine(label);
    if (m_label == line)
        return;
    m_label = line;
    updateAccessibleName();
    updateGeometry();
    update();
}

void StatChip::updateAccessibleName()
{
    setAccessibleName(QString::number(m_value) + QLatin1Char(' ') + m_label);
}

QSize StatChip::sizeHint() const
{
    const QFontMetrics value(valueFont());
    const QFontMetrics label(labelFont());
    const int width = paddingX + symbolSize + symbolGap +
                      ElidedLabel::preferredWidth(QString::number(m_value), valueFont()) +
                      valueGap + ElidedLabel::preferredWidth(m_label, labelFont()) + paddingX;
    const int height = std::max({value.height(), label.height(), symbolSize}) + 2 * paddingY;
    return {width, height};
}

void StatChip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette &colors = palette();
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(Colors::withAlpha(Colors::primary(colors), 0.08), 1));
    painter.setBrush(Colors::withAlpha(Colors::primary(colors), 0.035));
    painter.drawRoundedRect(box, radius, radius);

    const qreal middle = box.center().y();
    qreal x = paddingX;
    Symbols::paint(painter, QRectF(x, middle - symbolSize / 2.0, symbolSize, symbolSize), m_symbol,
                   m_tint.isValid() ? m_tint : Colors::secondary(colors));
    x += symbolSize + symbolGap;

    const QString value = QString::number(m_value);
    const QFont bold = valueFont();
    painter.setFont(bold);
    painter.setPen(Colors::primary(colors));
    const int valueWidth = ElidedLabel::preferredWidth(value, bold);
    painter.drawText(QRectF(x, 0, valueWidth, height()), Qt::AlignLeft | Qt::AlignVCenter, value);
    x += valueWidth + valueGap;

    const QFont small = labelFont();
    painter.setFont(small);
    painter.setPen(Colors::secondary(colors));
    const QRectF labelRect(x, 0, width() - paddingX - x, height());
    painter.drawText(labelRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     ElidedLabel::elided(m_label, QFontMetrics(small), int(labelRect.width())));
}
