// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>

// A borderless 26 × 26 button showing one symbol at 12 px. Secondary colour at rest; under the
// pointer or with keyboard focus the symbol turns primary on a rounded faint fill. `help` is both
// the tooltip and the name a screen reader announces; an empty one still leaves a working button.
// Reached by Tab, pressed with Space; clicks arrive as QAbstractButton::clicked.
class IconButton final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IconButton)

public:
    explicit IconButton(const QString &symbol = {}, const QString &help = {},
                        QWidget *parent = nullptr);

    QString symbol() const { return m_symbol; }
    void setSymbol(const QString &symbol);
    QString help() const { return m_help; }
    // Sets tooltip and accessible name at once (given already translated).
    void setHelp(const QString &help);
    // Draws the symbol in `color` instead of the secondary / primary pair; an invalid colour
    // returns to that pair.
    void setSymbolColor(const QColor &color);
    // Turns the symbol by `degrees` clockwise about its centre (a spinning refresh symbol).
    void setSymbolRotation(qreal degrees);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    QString m_help;
    QColor m_symbolColor;
    qreal m_rotation = 0;
};
