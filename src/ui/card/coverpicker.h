// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

class ColorSwatch;

// The card's cover colour: "no colour", then the six palette colours (no gray).
class CoverPicker final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CoverPicker)

public:
    explicit CoverPicker(QWidget *parent = nullptr);

    void setColor(const std::optional<QString> &colorName);

Q_SIGNALS:
    void chosen(const std::optional<QString> &colorName);

private:
    QList<ColorSwatch *> m_swatches; // the first one is "no colour"
};
