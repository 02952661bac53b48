// SPDX-License-Identifier: MIT
#pragma once

#include "model/cardlabel.h"
#include "model/taskcard.h"

#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;
class QPalette;

// One card as the board paints it, laid out for one width. Full form: an optional cover band,
// the card's labels (in the model's label order, unknown ids skipped), the title (two lines at
// most), the note (two lines at most) and a footer of priority, due date, checklist, timer and
// creation time. Compact form: one row. User texts are shown on their lines whatever they hold:
// line breaks read as spaces and the rest is cut with "…".
class CardTile final {
public:
    struct State {
        bool hovered = false;
        bool targeted = false; // a dragged card would land before this one
        bool focused = false;  // the keyboard's current card
    };

    // Fonts for the body-13 scale of the moment; build once and reuse.
    struct Fonts {
        Fonts();
        QFont label, title, note, footer, footerMedium, compactTitle, compactDetail;
        QFontMetricsF titleMetrics, noteMetrics;
    };

    // Room around the tile inside its row for the shadow.
    static constexpr int sideInset = 3;

    CardTile(const TaskCard &card, const QList<CardLabel> &labels, bool compact, int width,
             const Fonts &fonts);

    // The tile's own height (without the gap to the next one).
    int height() const { return m_height; }
    void paint(QPainter &painter, const QPointF &topLeft, const QPalette &palette,
               const State &state, const QDateTime &now) const;
    // The tooltip at `point` (relative to the tile): the priority's title, or that the timer
    // runs. Compact tiles have none.
    QString toolTipAt(const QPointF &point, const QDateTime &now) const;

private:
    struct Chip {
        QRectF rect;
        QString name;
        QString colorName;
    };
    struct Footer {
        QRectF priority, due, checklist, timer, created;
        QString dueText, checklistText, createdText;
    };

    void layoutFull();
    void layoutCompact();
    Footer footer(const QRectF &row, const QDateTime &now) const;
    void paintFull(QPainter &painter, const QPalette &palette, const QDateTime &now) const;
    void paintCompact(QPainter &painter, const QPalette &palette, const QDateTime &now) const;
    void paintFooter(QPainter &painter, const QPalette &palette, const QDateTime &now) const;
    QColor titleColor(const QPalette &palette) const;
    QColor dueColor(const QPalette &palette, const QDateTime &now) const;
    QColor checklistColor(const QPalette &palette) const;

    const TaskCard &m_card;
    const Fonts &m_fonts;
    bool m_compact;
    int m_width;
    int m_height = 0;
    QList<Chip> m_chips; // full: capsules; compact: dots
    QRectF m_cover;
    QRectF m_fixSymbol;
    QRectF m_titleRect;
    int m_titleLineCount = 1; // one or two

    QRectF m_noteRect;
    int m_noteLineCount = 0; // none, one or two
    QRectF m_footerRow;
};
