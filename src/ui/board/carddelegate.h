// SPDX-License-Identifier: MIT
#pragma once

#include "ui/board/cardtile.h"

#include <QHash>

#include <QStyledItemDelegate>
#include <QUuid>
#include <array>

#include <optional>

class AppModel;

// Paints the rows of a CardListModel as card tiles, full or compact, each followed by the gap to
// the next. Heights are remembered per card for the width they were measured at; a changed card
// is measured again and the view hears of it only when its height differs.
class CardDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CardDelegate)

public:
    explicit CardDelegate(AppModel &model, QObject *parent = nullptr);

    bool isCompact() const { return m_compact; }
    // Forgets every measured height; the view lays out again.
    void setCompact(bool compact);
    // Space below each tile.
    int gap() const { return m_compact ? 4 : 8; }
    // The row of `card` in a view `width` wide: tile and gap.
    int rowHeight(const TaskCard &card, int width) const;

    // The card a dragged one would be dropped before (drawn outlined), if any.
    void setDropTarget(const std::optional<QUuid> &cardID) { m_dropTarget = cardID; }

    // Rows whose card changed: measure again, tell the view about heights that differ.
    void cardsChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

private:
    struct Measured {
        int width = 0;
        int height = 0;
    };
    // A layout asks at a few widths in turn (the list's, the one it proposes); the last few
    // are kept per card.
    static constexpr int widthsKept = 3;
    using Heights = std::array<Measured, widthsKept>;

    static int viewWidth(const QStyleOptionViewItem &option);

    AppModel &m_model;
    CardTile::Fonts m_fonts;
    bool m_compact = false;
    std::optional<QUuid> m_dropTarget;
    mutable QHash<QUuid, Heights> m_heights;
};
