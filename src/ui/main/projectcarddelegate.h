// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/overviewmodel.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QRectF>
#include <QStyledItemDelegate>

class EditorLauncher;

// Paints one project card of the overview grid and says where its parts are, so the grid can
// tell a click on a card from a click on one of its buttons. Each card sits in a cell with a
// margin around it, where its hover shadow and scale have room.
class ProjectCardDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProjectCardDelegate)

public:
    static constexpr int cardHeight = 170;
    static constexpr int cellMargin = 8; // half the room between two cards

    enum class Button { Website, GitHub, Folder, Editor };
    struct Part {
        Button button;
        QRectF rect;
    };
    struct Layout {
        QRectF card;
        QRectF emoji;
        QRectF status;  // the status symbol
        QRectF capsule; // empty without open tasks
        QRectF name;
        QRectF gitLine;
        QRectF deployLine; // empty without a deploy target
        QList<Part> buttons;
        QRectF chevron;
    };

    explicit ProjectCardDelegate(EditorLauncher &editor, QObject *parent = nullptr);

    Layout layout(const QRect &cell, const OverviewModel::Card &card) const;
    // The button at `pos` in the card of `cell`, if any.
    std::optional<Button> buttonAt(const QRect &cell, const OverviewModel::Card &card,
                                   const QPoint &pos) const;
    // The tooltip of a button, in the current language.
    QString help(Button button) const;

    // The button the pointer is over, drawn highlighted: the view tracks the pointer, which
    // the style option does not carry (it says only which card is hovered).
    QPersistentModelIndex hoveredIndex() const { return m_hoveredIndex; }
    std::optional<Button> hoveredButton() const { return m_hoveredButton; }
    void setHoveredButton(const QModelIndex &index, std::optional<Button> button);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

private:
    EditorLauncher &m_editor;
    QPersistentModelIndex m_hoveredIndex;
    std::optional<Button> m_hoveredButton;
};
