// SPDX-License-Identifier: MIT
#include "ui/board/columnplaceholder.h"

#include "ui/components/colors.h"
#include "ui/components/symbollabel.h"
#include "ui/components/typography.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int margin = 16;
constexpr qreal radius = 10;

} // namespace

ColumnPlaceholder::ColumnPlaceholder(KanbanColumn column, QWidget *parent)
    : QWidget(parent)
    , m_column(column)
    , m_symbol(new SymbolLabel(KanbanColumns::symbol(column), {}, this))
    , m_text(new QLabel(this))
{
    m_symbol->setSymbolSize(16);
    m_text->setObjectName(QStringLiteral("columnPlaceholderText"));
    m_text->setFont(Typography::font(11));
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(6);
    layout->addWidget(m_symbol, 0, Qt::AlignHCenter);
    layout->addWidget(m_text);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    updateColors();
}

QString ColumnPlaceholder::text() const
{
    return m_text->text();
}

void ColumnPlaceholder::setText(const QString &text)
{
    m_text->setText(text);
}

void ColumnPlaceholder::updateColors()
{
    m_symbol->setSymbolColor(Colors::withAlpha(Colors::column(m_column, palette()), 0.35));
    QPalette colors = m_text->palette();
    colors.setColor(QPalette::WindowText, Colors::tertiary(palette()));
    m_text->setPalette(colors);
}

void ColumnPlaceholder::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        updateColors();
    QWidget::changeEvent(event);
}

void ColumnPlaceholder::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Colors::withAlpha(Colors::primary(palette()), 0.08), 1, Qt::DashLine);
    pen.setDashPattern({4, 3});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}
