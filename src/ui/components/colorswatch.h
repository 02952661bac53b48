// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>

// A round colour button of a palette (label colours, card covers): filled with the named colour,
// ringed while it is the chosen one. With an empty name it is the "no colour" choice: clear, thin
// outline, an x. Reached by Tab; its tooltip and accessible name are the colour's name.
class ColorSwatch final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColorSwatch)

public:
    // `colorName` one of the stored colour names, or empty for no colour; `diameter` of the
    // filled circle (the ring goes around it).
    explicit ColorSwatch(const QString &colorName, int diameter, QWidget *parent = nullptr);

    QString colorName() const { return m_colorName; }
    // The colour's name in the interface language ("Červená", "Bez barvy").
    static QString title(const QString &colorName);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    // A click reports the choice; whether it is the chosen one is the owner's to set.
    void nextCheckState() override {}
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void retranslate();

    QString m_colorName;
    int m_diameter;
};
