// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// The application's badge: a white filled sailboat on a blue gradient rounded square, `side`
// pixels wide (56 on the welcome screen, smaller in the tray panel).
class AppBadge final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppBadge)

public:
    explicit AppBadge(int side = 56, QWidget *parent = nullptr);

    void setSide(int side);
    QSize sizeHint() const override;

    // Draws the badge filling `rect` (a square), for painting elsewhere (icons, delegates);
    // the tray icon shows the outline sailboat on it while all is well.
    static void paint(QPainter &painter, const QRectF &rect,
                      const QString &symbol = QStringLiteral("sailboat.fill"));

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_side;
};
