// SPDX-License-Identifier: MIT
#pragma once

#include <QLayout>
#include <QList>

// Places items left to right at their natural size (sizeHint) and wraps them into rows, with one
// spacing between items of a row and between rows. An item wider than the row sits alone at the
// start of its row, unshrunk. Rows are top-aligned; nothing is centred or justified. Hidden
// widgets take no room. Its height follows its width (heightForWidth).
class FlowLayout final : public QLayout {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FlowLayout)

public:
    explicit FlowLayout(int spacing = 6, QWidget *parent = nullptr);
    ~FlowLayout() override;

    // Both ways: between items of a row and between rows.
    void setSpacing(int spacing) override;
    int spacing() const override;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

    // The rule itself, on plain sizes: the height `sizes` need in `width` (unbounded when
    // negative), and each one's place within `bounds`.
    static int measure(const QList<QSize> &sizes, int width, int spacing);
    static QList<QRect> place(const QList<QSize> &sizes, const QRect &bounds, int spacing);

private:
    QList<QSize> visibleSizes() const;

    QList<QLayoutItem *> m_items;
    int m_spacing;
};
