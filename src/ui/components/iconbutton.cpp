// SPDX-License-Identifier: MIT
#include "ui/components/iconbutton.h"

#include "ui/components/colors.h"
#include "ui/components/focusring.h"
#include "ui/components/symbols.h"

#include <QPainter>

namespace {

constexpr int side = 26;
constexpr int symbolSize = 12;
constexpr qreal cornerRadius = 7;

} // namespace

IconButton::IconButton(const QString &symbol, const QString &help, QWidget *parent)
    : QAbstractButton(parent)
    , m_symbol(symbol)
{
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setHelp(help);
}

void IconButton::setSymbol(const QString &symbol)
{
    if (m_symbol == symbol)
        return;
    m_symbol = symbol;
    update();
}

void IconButton::setHelp(const QString &help)
{
    m_help = help;
    setToolTip(help);
    setAccessibleName(help);
}

void IconButton::setSymbolColor(const QColor &color)
{
    m_symbolColor = color;
    update();
}

void IconButton::setSymbolRotation(qreal degrees)
{
    if (qFuzzyCompare(m_rotation, degrees))
        return;
    m_rotation = degrees;
    update();
}

QSize IconButton::sizeHint() const
{
    return {side, side};
}

void IconButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette &colors = palette();
    const bool highlighted = isEnabled() && (underMouse() || FocusRing::shows(*this) || isDown());
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    if (highlighted) {
        QColor fill = Colors::quaternaryFill(colors);
        if (isDown())
            fill.setAlphaF(fill.alphaF() * 1.8f);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(box, cornerRadius, cornerRadius);
    }
    FocusRing::paint(painter, *this, rect(), cornerRadius);

    QColor color = m_symbolColor;
    if (!color.isValid())
        color = highlighted ? Colors::primary(colors) : Colors::secondary(colors);
    if (!isEnabled())
        color = Colors::tertiary(colors);

    const QPointF center = QRectF(rect()).center();
    painter.translate(center);
    painter.rotate(m_rotation);
    const QRectF symbolRect(-symbolSize / 2.0, -symbolSize / 2.0, symbolSize, symbolSize);
    Symbols::paint(painter, symbolRect, m_symbol, color);
}
