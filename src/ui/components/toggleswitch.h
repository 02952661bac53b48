// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>

// An on/off switch: a pill that fills with the accent and moves its knob to the right when on.
// Checkable; reached by Tab and toggled with Space. It has no text of its own: give it an
// accessible name (the setting it switches).
class ToggleSwitch final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToggleSwitch)

public:
    explicit ToggleSwitch(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
