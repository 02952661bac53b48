// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class SymbolLabel;

// A notice on a tinted rounded box: a leading symbol in the tint, a semibold title over a small
// secondary text (each hidden while empty), trailing widgets at the right (buttons, a field), and
// an optional body under it all (the rows of the attention section). The fill and outline are
// the tint at the given opacities: 9 % and 25 % for the update, token and save-error banners,
// 7 % and 20 % for the attention section.
class Banner final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Banner)

public:
    explicit Banner(const QString &symbol = {}, const QColor &tint = {}, qreal fillOpacity = 0.09,
                    qreal outlineOpacity = 0.25, QWidget *parent = nullptr);

    void setSymbol(const QString &symbol);
    void setTint(const QColor &tint);
    void setOpacities(qreal fill, qreal outline);
    void setTitle(const QString &title);
    void setText(const QString &text);
    // Appends `widget` to the right of the title and text, vertically centred.
    void addTrailingWidget(QWidget *widget);
    QVBoxLayout *bodyLayout() const { return m_body; }

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateTextColor();

    SymbolLabel *m_symbol;
    QLabel *m_title;
    QLabel *m_text;
    QHBoxLayout *m_trailing;
    QVBoxLayout *m_body;
    QColor m_tint;
    qreal m_fillOpacity;
    qreal m_outlineOpacity;
};
