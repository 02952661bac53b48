// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>

// Text, optionally after a symbol, in a pill of one fill and text colour: label chips, priority
// chips, filter chips, count badges. Display-only unless made a button; a button capsule
// is a button reached by Tab (its text is the accessible name), and a checkable one swaps to the
// checked look while checked. The caller owns the colours (Colors) and decides what a click
// does. Long texts are cut with "…" so a chip never asks for more than a long ordinary name.
class Capsule final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Capsule)

public:
    struct Look {
        QColor fill;
        QColor text;
        bool operator==(const Look &) const = default;
    };

    enum class Role {
        Display, // no focus, no pointer, clicks pass through; read as text
        Button,  // reached by Tab, clicked; checkable when the caller makes it so
    };

    explicit Capsule(const QString &text = {}, Role role = Role::Display,
                     QWidget *parent = nullptr);

    Role role() const { return m_role; }

    QString symbol() const { return m_symbol; }
    void setSymbol(const QString &symbol);
    void setLook(const Look &look);
    void setCheckedLook(const Look &look);
    // Space between the pill's edge and its content; 8 × 3 unless set.
    void setPadding(const QSize &padding);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // For delegates: the size a capsule of `text` and `symbol` needs, and its drawing in `rect`.
    static QSize sizeFor(const QString &text, const QString &symbol, const QFont &font,
                         const QSize &padding);
    static void paint(QPainter &painter, const QRectF &rect, const QString &text,
                      const QString &symbol, const Look &look, const QFont &font,
                      const QSize &padding);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    Look m_look;
    Look m_checkedLook;
    QSize m_padding{8, 3};
    Role m_role;
};
