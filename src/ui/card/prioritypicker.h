// SPDX-License-Identifier: MIT
#pragma once

#include "model/cardpriority.h"

#include <QList>
#include <QWidget>

#include <optional>

class Capsule;

// One chip per priority, low to high; the card's current one is filled. Clicking the current
// chip clears the priority, clicking another sets it.
class PriorityPicker final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PriorityPicker)

public:
    explicit PriorityPicker(QWidget *parent = nullptr);

    void setPriority(const std::optional<CardPriority> &priority);

Q_SIGNALS:
    void chosen(const std::optional<CardPriority> &priority);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void updateLooks();

    QList<Capsule *> m_chips; // in CardPriorities::all() order
    std::optional<CardPriority> m_priority;
};
