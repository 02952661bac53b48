// SPDX-License-Identifier: MIT
#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

#include <optional>

// Paints the rows of an ArchiveModel: on a faint rounded background, the card's title over the
// column it was archived from, then the small buttons "Obnovit" and "Smazat natrvalo"
// (destructive), each row followed by a gap. The buttons are painted; the list says which one
// the pointer is over or presses, and asks where they are to tell a click on one.
class ArchiveDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArchiveDelegate)

public:
    enum class Button { Restore, Delete };
    struct Layout {
        QRect row; // the background, without the gap below it
        QRect title;
        QRect column;
        QRect restore;
        QRect remove;
    };
    static constexpr int rowGap = 6;

    explicit ArchiveDelegate(QObject *parent = nullptr);

    // Where the parts of the row in `cell` are, for buttons worded in the current language.
    Layout layout(const QRect &cell, const QWidget *widget) const;
    std::optional<Button> buttonAt(const QRect &cell, const QWidget *widget,
                                   const QPoint &pos) const;
    // The button drawn hovered (or pressed) in the row of `index`; none for no row.
    void setHotButton(const QModelIndex &index, std::optional<Button> button, bool pressed);
    // The button's text in the current language.
    static QString text(Button button);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QPersistentModelIndex m_hotIndex;
    std::optional<Button> m_hotButton;
    bool m_pressed = false;
};
