// SPDX-License-Identifier: MIT
#include "ui/main/nomatchview.h"

#include "i18n/localization.h"
#include "ui/components/colors.h"
#include "ui/components/symbollabel.h"
#include "ui/components/typography.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

NoMatchView::NoMatchView(QWidget *parent)
    : QWidget(parent)
    , m_text(new QLabel)
{
    setObjectName(u"noMatchView"_s);
    auto *symbol = new SymbolLabel(u"line.3.horizontal.decrease.circle"_s);
    symbol->setSymbolSize(40);
    symbol->setSymbolColor(Colors::tertiary(palette()));
    m_text->setObjectName(u"noMatchText"_s);
    m_text->setFont(Typography::font(14));
    m_text->setAlignment(Qt::AlignHCenter);
    m_text->setWordWrap(true);
    Colors::setTextColor(*m_text, Colors::secondary(palette()));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 48, 0, 48);
    layout->setSpacing(12);
    layout->addWidget(symbol, 0, Qt::AlignHCenter);
    layout->addWidget(m_text);
    retranslate();
}

void NoMatchView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void NoMatchView::retranslate()
{
    m_text->setText(L(u"Žádný projekt v tomhle stavu"_s));
}
