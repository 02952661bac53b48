// SPDX-License-Identifier: MIT
#pragma once

#include "app/statuscolor.h"

#include <QWidget>

// One row of status: a 10 px symbol in a 13 px slot, a 6 px status dot and a one-line text cut
// with "…" when too long, all secondary, 6 px apart, vertically centred. The text comes
// translated from the caller. Widgets use the class; delegates call paint().
class StatusLine final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusLine)

public:
    explicit StatusLine(const QString &symbol = {}, StatusColor status = StatusColor::Gray,
                        const QString &text = {}, QWidget *parent = nullptr);

    QString symbol() const { return m_symbol; }
    void setSymbol(const QString &symbol);
    StatusColor status() const { return m_status; }
    void setStatus(StatusColor status);
    QString text() const { return m_text; }
    void setText(const QString &text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The text font (11 on the body-13 scale) and the height of one line in it.
    static QFont textFont();
    static int lineHeight(const QFont &font);
    // Draws the row left-aligned and vertically centred in `rect`.
    static void paint(QPainter &painter, const QRectF &rect, const QString &symbol,
                      StatusColor status, const QString &text, const QPalette &palette,
                      const QFont &font);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbol;
    StatusColor m_status;
    QString m_text;
};
