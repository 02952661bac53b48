// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// A push button whose text is drawn in a colour of the colour table: red for an action that
// cannot be undone, or the accent. Its palette stays the one it inherits: styles cache a
// button's drawing by its palette, and a palette of its own for every button made would leave a
// new drawing behind in that cache with each one (a sheet opened and closed many times).
class TintedButton final : public QPushButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TintedButton)

public:
    enum class Tint { None, Accent, Red };

    explicit TintedButton(Tint tint = Tint::None, QWidget *parent = nullptr);

    Tint tint() const { return m_tint; }
    void setTint(Tint tint);
    // The colour the text is drawn in; invalid for Tint::None.
    QColor tintColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Tint m_tint;
};
