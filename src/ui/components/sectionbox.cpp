// SPDX-License-Identifier: MIT
#include "ui/components/sectionbox.h"

#include "ui/components/colors.h"
#include "ui/components/symbollabel.h"
#include "ui/components/typography.h"

#include <QEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int margin = 14;
constexpr int spacing = 10;
constexpr qreal radius = 12;

} // namespace

SectionBox::SectionBox(const QString &title, const QString &symbol, QWidget *parent)
    : QWidget(parent)
    , m_header(new SymbolLabel(symbol, title, this))
    , m_content(new QVBoxLayout)
{
    m_header->setObjectName(QStringLiteral("sectionTitle"));
    m_header->setFont(Typography::font(13, QFont::DemiBold));
    m_header->setTextColor(Colors::secondary(palette()));
    m_content->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(spacing);
    layout->addWidget(m_header);
    layout->addLayout(m_content);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void SectionBox::setTitle(const QString &title)
{
    m_header->setText(title);
}

void SectionBox::setSymbol(const QString &symbol)
{
    m_header->setSymbol(symbol);
}

void SectionBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        m_header->setTextColor(Colors::secondary(palette()));
    QWidget::changeEvent(event);
}

void SectionBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor primary = Colors::primary(palette());
    painter.setPen(QPen(Colors::withAlpha(primary, 0.06), 1));
    painter.setBrush(Colors::withAlpha(primary, 0.035));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}
