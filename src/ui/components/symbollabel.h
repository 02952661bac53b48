// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// A symbol followed by one line of text, 6 px apart: section and group titles, short status
// notes ("Token je uložen v klíčence"), warnings under a field. With no text it is the symbol
// alone. The symbol is as tall as the font's em unless sized; the text is cut with "…" when the
// row is too narrow, and is the accessible name.
class SymbolLabel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SymbolLabel)

public:
    explicit SymbolLabel(const QString &symbol = {}, const QString &text = {},
                         QWidget *parent = nullptr);

    QString symbol() const { return m_symbol; }
    void setSymbol(const QString &symbol);
    QString text() const { return m_text; }
    void setText(const QString &text);
    // Colours; an invalid colour means the palette's text colour (for the symbol: the text's).
    void setSymbolColor(const QColor &color);
    void setTextColor(const QColor &color);
    // The symbol's side in logical pixels; 0 follows the font.
    void setSymbolSize(int size);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int symbolSide() const;
    int textOffset() const;

    QString m_symbol;
    QString m_text;
    QColor m_symbolColor;
    QColor m_textColor;
    int m_symbolSize = 0;
};
