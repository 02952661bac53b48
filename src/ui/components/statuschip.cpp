// SPDX-License-Identifier: MIT
#include "ui/components/statuschip.h"

#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"

#include <QPainter>

namespace {

constexpr int paddingX = 12;
constexpr int paddingY = 8;
constexpr int symbolSize = 13;
constexpr int symbolGap = 8;
constexpr int lineGap = 1;
constexpr qreal radius = 10;

QFont titleFont()
{
    return Typography::font(10, QFont::DemiBold);
}

QFont detailFont()
{
    return Typography::font(12, QFont::Medium);
}

} // namespace

StatusChip::StatusChip(const QString &symbol, const QString &title, StatusColor status,
                       const QString &detail, QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_title(ElidedLabel::singleLine(title))
    , m_status(status)
    , m_detail(ElidedLabel::singleLine(detail))
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    textChanged();
}

void StatusChip::setSymbol(const QString &symbol)
{
    m_symbol = symbol;
    update();
}

void StatusChip::setTitle(const QString &title)
{
    m_title = ElidedLabel::singleLine(title);
    textChanged();
}

void StatusChip::setStatus(StatusColor status)
{
    m_status = status;
    update();
}

void StatusChip::setDetail(const QString &detail)
{
    m_detail = ElidedLabel::singleLine(detail);
    textChanged();
}

void StatusChip::textChanged()
{
    setAccessibleName(m_title + QLatin1String(": ") + m_detail);
    // The detail is cut to the chip's width; the whole line stays a hover away.
    setToolTip(m_detail);
    updateGeometry();
    update();
}

QSize StatusChip::sizeHint() const
{
    const int text = qMax(ElidedLabel::preferredWidth(m_title, titleFont()),
                          ElidedLabel::preferredWidth(m_detail, detailFont()));
    return {minimumSizeHint().width() + text, minimumSizeHint().height()};
}

QSize StatusChip::minimumSizeHint() const
{
    const int lines =
        QFontMetrics(titleFont()).height() + lineGap + QFontMetrics(detailFont()).height();
    return {2 * paddingX + symbolSize + symbolGap, qMax(lines, symbolSize) + 2 * paddingY};
}

void StatusChip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette &colors = palette();
    const QColor tint = Colors::status(m_status, colors);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(Colors::withAlpha(tint, 0.3), 1));
    painter.setBrush(Colors::withAlpha(Colors::primary(colors), 0.05));
    painter.drawRoundedRect(box, radius, radius);

    Symbols::paint(painter,
                   QRectF(paddingX, box.center().y() - symbolSize / 2.0, symbolSize, symbolSize),
                   m_symbol, tint);

    const QFont title = titleFont();
    const QFont detail = detailFont();
    const QFontMetrics titleMetrics(title);
    const QFontMetrics detailMetrics(detail);
    const int x = paddingX + symbolSize + symbolGap;
    const int textWidth = width() - x - paddingX;
    const int top = (height() - titleMetrics.height() - lineGap - detailMetrics.height()) / 2;

    painter.setFont(title);
    painter.setPen(Colors::tertiary(colors));
    painter.drawText(QRect(x, top, textWidth, titleMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     ElidedLabel::elided(m_title, titleMetrics, textWidth));
    painter.setFont(detail);
    painter.setPen(Colors::primary(colors));
    painter.drawText(
        QRect(x, top + titleMetrics.height() + lineGap, textWidth, detailMetrics.height()),
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        ElidedLabel::elided(m_detail, detailMetrics, textWidth));
}
