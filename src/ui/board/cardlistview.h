// SPDX-License-Identifier: MIT
#pragma once

#include <QListView>
#include <QUuid>

#include <optional>

class CardDelegate;
class CardListModel;

// Where Ctrl and an arrow key move the selected card: to the neighbouring column, or one place
// up or down in its own.
enum class CardShift { Left, Right, Up, Down };

// The tiles of one column. It never scrolls itself: it is as tall as its tiles and the page
// around it scrolls (wheel events pass up; keyboard moves bring the current tile into the
// page's view). Cards are dragged from here; drops are the column's business. A click, Return,
// Space or a screen reader's toggle opens a card; Delete asks to delete it; the context menu key
// or a right click asks for its menu; Ctrl and an arrow key ask to move it.
class CardListView final : public QListView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CardListView)

public:
    CardListView(CardListModel *model, CardDelegate *delegate, QWidget *parent = nullptr);

    CardListModel *cardModel() const { return m_model; }
    CardDelegate *cardDelegate() const { return m_delegate; }

    // The row a drop at `point` (viewport coordinates) lands before: the tile under it, or the
    // next one below when it is in a gap; -1 past the last tile.
    int dropRowAt(const QPoint &point) const;
    void setDropTarget(const std::optional<QUuid> &cardID);
    std::optional<QUuid> currentCard() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

Q_SIGNALS:
    void cardOpened(const QUuid &cardID);
    void deleteRequested(const QUuid &cardID);
    void menuRequested(const QUuid &cardID, const QPoint &globalPos);
    void shiftRequested(const QUuid &cardID, CardShift shift);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QUuid cardAt(const QModelIndex &index) const;

    CardListModel *m_model;
    CardDelegate *m_delegate;
};
