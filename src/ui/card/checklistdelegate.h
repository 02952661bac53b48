// SPDX-License-Identifier: MIT
#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

#include <optional>

// Paints the rows of a ChecklistModel as the sheet's buttons would look: a circle that is a
// green tick once the entry is done, its text on one line (struck through and dimmed when done)
// and an "xmark" that removes it. The list says which part the pointer is over, and asks where
// the parts are to tell a click on one.
class ChecklistDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChecklistDelegate)

public:
    enum class Part { Toggle, Remove };
    struct Layout {
        QRect toggle;
        QRect text;
        QRect remove;
    };
    static constexpr int rowHeight = 26;

    explicit ChecklistDelegate(QObject *parent = nullptr);

    static Layout layout(const QRect &cell);
    static std::optional<Part> partAt(const QRect &cell, const QPoint &pos);
    // The part drawn hovered (or pressed) in the row of `index`; none for no row.
    void setHotPart(const QModelIndex &index, std::optional<Part> part, bool pressed);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QPersistentModelIndex m_hotIndex;
    std::optional<Part> m_hotPart;
    bool m_pressed = false;
};
