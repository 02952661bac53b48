// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// One figure of the overview's statistics: a symbol in a tint, the value in bold and its label
// in secondary text, on a faint rounded box with a thin outline. Its accessible name is the
// value followed by the label.
class StatChip final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatChip)

public:
    explicit StatChip(const QString &symbol = {}, const QColor &tint = {},
                      QWidget *parent = nullptr);

    void setSymbol(const QString &symbol);
    // The symbol's colour; an invalid colour draws it secondary.
    void setTint(const QColor &tint);
    int value() const { return m_value; }
    void setValue(int value);
    QString label() const { return m_label; }
    void setLabel(const QString &label);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateAccessibleName();

    QString m_symbol;
    QColor m_tint;
    int m_value = 0;
    QString m_label;
};
