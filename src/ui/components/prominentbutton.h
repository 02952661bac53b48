// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// The one button of a screen that does its main thing ("Přidat", "Uložit", "Hotovo",
// "Stáhnout"): white text on the accent, rounded, faded while disabled. Still a QPushButton, so
// a dialog's Return presses it when it is the default button.
class ProminentButton final : public QPushButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProminentButton)

public:
    explicit ProminentButton(const QString &text = {}, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
