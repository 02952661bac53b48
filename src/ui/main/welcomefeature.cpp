// SPDX-License-Identifier: MIT
#include "ui/main/welcomefeature.h"

#include "ui/components/colors.h"
#include "ui/components/symbollabel.h"
#include "ui/components/typography.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

WelcomeFeature::WelcomeFeature(const QString &symbol, QWidget *parent)
    : QWidget(parent)
    , m_symbol(new SymbolLabel(symbol))
    , m_title(new QLabel)
    , m_detail(new QLabel)
{
    m_symbol->setSymbolSize(20);
    m_symbol->setSymbolColor(Colors::accent(palette()));
    m_title->setFont(Typography::font(12.5, QFont::DemiBold));
    m_title->setWordWrap(true);
    m_detail->setFont(Typography::font(11));
    m_detail->setWordWrap(true);
    m_detail->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Colors::setTextColor(*m_detail, Colors::secondary(palette()));
    for (QLabel *label : {m_title, m_detail}) {
        label->setTextFormat(Qt::PlainText);
        label->setMinimumWidth(1);
    }
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(6);
    layout->addWidget(m_symbol, 0, Qt::AlignLeft);
    layout->addWidget(m_title);
    layout->addWidget(m_detail, 1);
}

void WelcomeFeature::setTexts(const QString &title, const QString &detail)
{
    m_title->setText(title);
    m_detail->setText(detail);
    setAccessibleName(title);
    setAccessibleDescription(detail);
}

void WelcomeFeature::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colors::quaternaryFill(palette()));
    painter.drawRoundedRect(QRectF(rect()), 10, 10);
}
