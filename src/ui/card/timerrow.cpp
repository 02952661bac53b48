// SPDX-License-Identifier: MIT
#include "ui/card/timerrow.h"

#include "i18n/localization.h"
#include "ui/components/colors.h"
#include "ui/components/symbols.h"
#include "ui/components/tintedbutton.h"
#include "ui/components/typography.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

TimerRow::TimerRow(std::function<QDateTime()> now, QWidget *parent)
    : QWidget(parent)
    , m_now(std::move(now))
    , m_heading(new QLabel(this))
    , m_time(new QLabel(this))
    , m_button(new TintedButton(TintedButton::Tint::Accent, this))
{
    m_heading->setFont(Typography::font(12, QFont::DemiBold));
    m_time->setObjectName(u"timerText"_s);
    m_time->setFont(Typography::monospace(12));
    m_button->setObjectName(u"timerButton"_s);
    m_button->setAutoDefault(false);
    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &TimerRow::showTime);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(m_heading);
    layout->addWidget(m_time);
    layout->addStretch(1);
    layout->addWidget(m_button);

    connect(m_button, &QPushButton::clicked, this, [this] {
        if (m_card.isTimerRunning())
            Q_EMIT stopRequested();
        else
            Q_EMIT startRequested();
    });
    retranslate();
}

void TimerRow::setCard(const TaskCard &card)
{
    const bool runningChanged = card.isTimerRunning() != m_card.isTimerRunning();
    m_card = card;
    showTime();
    if (runningChanged)
        retranslate();
    updateTicking();
}

void TimerRow::showTime()
{
    m_time->setText(formatDuration(m_card.currentTimeSpentSeconds(m_now())));
    QPalette colors = m_time->palette();
    colors.setColor(QPalette::WindowText, m_card.isTimerRunning() ? Colors::primary(palette())
                                                                  : Colors::secondary(palette()));
    m_time->setPalette(colors);
}

void TimerRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TimerRow::retranslate()
{
    m_heading->setText(L(u"Časomíra"_s));
    m_time->setAccessibleName(L(u"Časomíra"_s));
    const bool running = m_card.isTimerRunning();
    m_button->setTint(running ? TintedButton::Tint::Red : TintedButton::Tint::Accent);
    m_button->setText(running ? L(u"Zastavit"_s) : L(u"Spustit"_s));
    m_button->setIcon(
        Symbols::icon(running ? u"stop.fill"_s : u"play.fill"_s, m_button->tintColor()));
}

void TimerRow::updateTicking()
{
    if (isVisible() && m_card.isTimerRunning()) {
        if (!m_tick.isActive())
            m_tick.start();
    } else {
        m_tick.stop();
    }
}

void TimerRow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    showTime();
    updateTicking();
}

void TimerRow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    updateTicking();
}
