// SPDX-License-Identifier: MIT
#include "ui/card/prioritypicker.h"

#include "app/presentation.h"
#include "ui/components/capsule.h"
#include "ui/components/colors.h"
#include "ui/components/typography.h"

#include <QEvent>
#include <QHBoxLayout>

using namespace Qt::StringLiterals;

PriorityPicker::PriorityPicker(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    for (CardPriority priority : CardPriorities::all()) {
        auto *chip = new Capsule({}, Capsule::Role::Button, this);
        chip->setObjectName(u"priority_"_s + CardPriorities::rawValue(priority));
        chip->setSymbol(CardPriorities::symbol(priority));
        chip->setFont(Typography::font(11, QFont::Medium));
        chip->setPadding(QSize(10, 4));
        chip->setCheckable(true);
        layout->addWidget(chip);
        m_chips.append(chip);
        connect(chip, &Capsule::clicked, this, [this, priority] {
            Q_EMIT chosen(m_priority == priority ? std::nullopt : std::optional(priority));
        });
    }
    layout->addStretch(1);
    retranslate();
}

void PriorityPicker::setPriority(const std::optional<CardPriority> &priority)
{
    m_priority = priority;
    updateLooks();
}

void PriorityPicker::retranslate()
{
    const QList<CardPriority> priorities = CardPriorities::all();
    for (qsizetype i = 0; i < m_chips.size(); ++i)
        m_chips[i]->setText(Presentation::title(priorities[i]));
    updateLooks();
}

void PriorityPicker::updateLooks()
{
    const QList<CardPriority> priorities = CardPriorities::all();
    for (qsizetype i = 0; i < m_chips.size(); ++i) {
        const QColor color = Colors::priority(priorities[i], palette());
        m_chips[i]->setLook({Colors::withAlpha(color, 0.12), color});
        m_chips[i]->setCheckedLook({Colors::withAlpha(color, 0.85), Qt::white});
        m_chips[i]->setChecked(m_priority == priorities[i]);
    }
}

void PriorityPicker::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        updateLooks();
    else if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
