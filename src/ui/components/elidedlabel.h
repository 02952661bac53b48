// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// One line of user-supplied text (a project, folder or label name): line breaks and tabs show as
// spaces, and the text is cut with "…" at the end when it does not fit. It never widens its
// layout: it may shrink to nothing, and its preferred width is capped, so a 500-character name
// asks for no more room than a long ordinary one. Give it a stretch factor where it should take
// the free room of a row. A screen reader reads the whole text; hovering an elided text shows it
// whole unless a tooltip is set.
class ElidedLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ElidedLabel)

public:
    explicit ElidedLabel(const QString &text = {}, QWidget *parent = nullptr);

    // Stores the text with line breaks and tabs as spaces (QLabel::text() returns it so).
    void setText(const QString &text);
    // Draws in `color` instead of the palette's text colour; an invalid colour returns to it.
    void setTextColor(const QColor &color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // `text` on one line and safe to show (DisplayText::shown): every line break, paragraph
    // separator and tab becomes a space.
    static QString singleLine(const QString &text);
    // `text` on one line, cut with "…" at the end to fit `width` in `metrics`.
    static QString elided(const QString &text, const QFontMetrics &metrics, int width);
    // The width one line of `text` in `font` asks for: its own (rounded up, so it is not cut),
    // up to that of a long ordinary name.
    static int preferredWidth(const QString &text, const QFont &font);

private:
    // `text` on one line with its controls visible, not yet isolated.
    static QString flat(const QString &text);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool isElided() const;

    QColor m_color;
};
