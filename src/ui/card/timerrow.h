// SPDX-License-Identifier: MIT
#pragma once

#include "model/taskcard.h"
#include "ui/components/tintedbutton.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

// The card's tracked time with a Start / Stop button. While it is on screen and the card's timer
// runs, the time is redrawn once a second; otherwise no timer runs.
class TimerRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimerRow)

public:
    // `now` is the model's clock.
    explicit TimerRow(std::function<QDateTime()> now, QWidget *parent = nullptr);

    QPushButton *button() const { return m_button; }
    QLabel *timeLabel() const { return m_time; }
    bool isTicking() const { return m_tick.isActive(); }
    void setCard(const TaskCard &card);

Q_SIGNALS:
    void startRequested();
    void stopRequested();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void retranslate();
    void showTime();
    void updateTicking();

    std::function<QDateTime()> m_now;
    TaskCard m_card;
    QLabel *m_heading;
    QLabel *m_time;
    TintedButton *m_button;
    QTimer m_tick;
};
