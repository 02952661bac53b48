// SPDX-License-Identifier: MIT
#include "ui/components/banner.h"

#include "ui/components/colors.h"
#include "ui/components/symbollabel.h"
#include "ui/components/typography.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int margin = 12;
constexpr int symbolSize = 18;
constexpr qreal radius = 10;

// Wrapping text that may be cut rather than widen the window when one word is very long.
QLabel *wrappingLabel(const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(font);
    label->setMinimumWidth(1);
    label->hide();
    return label;
}

} // namespace

Banner::Banner(const QString &symbol, const QColor &tint, qreal fillOpacity, qreal outlineOpacity,
               QWidget *parent)
    : QWidget(parent)
    , m_symbol(new SymbolLabel(symbol, {}, this))
    , m_title(wrappingLabel(Typography::font(13, QFont::DemiBold), this))
    , m_text(wrappingLabel(Typography::font(11), this))
    , m_trailing(new QHBoxLayout)
    , m_body(new QVBoxLayout)
    , m_tint(tint)
    , m_fillOpacity(fillOpacity)
    , m_outlineOpacity(outlineOpacity)
{
    m_symbol->setSymbolSize(symbolSize);
    m_symbol->setSymbolColor(tint);
    m_title->setObjectName(QStringLiteral("bannerTitle"));
    m_text->setObjectName(QStringLiteral("bannerText"));
    updateTextColor();

    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(m_title);
    texts->addWidget(m_text);

    m_trailing->setSpacing(8);
    auto *header = new QHBoxLayout;
    header->setSpacing(10);
    header->addWidget(m_symbol, 0, Qt::AlignVCenter);
    header->addLayout(texts, 1);
    header->addLayout(m_trailing);

    m_body->setContentsMargins(0, 0, 0, 0);
    m_body->setSpacing(2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin - 2, margin, margin - 2);
    layout->setSpacing(8);
    layout->addLayout(header);
    layout->addLayout(m_body);
}

void Banner::setSymbol(const QString &symbol)
{
    m_symbol->setSymbol(symbol);
}

void Banner::setTint(const QColor &tint)
{
    m_tint = tint;
    m_symbol->setSymbolColor(tint);
    update();
}

void Banner::setOpacities(qreal fill, qreal outline)
{
    m_fillOpacity = fill;
    m_outlineOpacity = outline;
    update();
}

void Banner::setTitle(const QString &title)
{
    m_title->setText(title);
    m_title->setVisible(!title.isEmpty());
    setAccessibleName(title);
}

void Banner::setText(const QString &text)
{
    m_text->setText(text);
    m_text->setVisible(!text.isEmpty());
    setAccessibleDescription(text);
}

void Banner::addTrailingWidget(QWidget *widget)
{
    m_trailing->addWidget(widget, 0, Qt::AlignVCenter);
}

void Banner::updateTextColor()
{
    Colors::setTextColor(*m_text, Colors::secondary(palette()));
}

void Banner::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        updateTextColor();
    QWidget::changeEvent(event);
}

void Banner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Colors::withAlpha(m_tint, m_outlineOpacity), 1));
    painter.setBrush(Colors::withAlpha(m_tint, m_fillOpacity));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}
