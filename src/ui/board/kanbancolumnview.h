// SPDX-License-Identifier: MIT
#pragma once

#include "model/kanbancolumn.h"
#include "ui/board/cardlistview.h"

#include <QUuid>
#include <QVariantAnimation>
#include <QWidget>

#include <optional>

class AppModel;
class Capsule;
class CardDelegate;
class CardListModel;
class ColumnPlaceholder;
class EdgeScroller;
class IconButton;
class QLabel;
class QMimeData;
class QuickAddField;

// One column of the board: its header with the count of visible cards (and, for ideas, the
// plus button with the quick-add field), the tiles, or a placeholder while it has none. The
// whole column takes dropped cards: onto a tile (or the gap above it) goes before that card,
// anywhere else to the end of the column.
class KanbanColumnView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KanbanColumnView)

public:
    KanbanColumnView(AppModel &model, KanbanColumn column, QWidget *parent = nullptr);

    KanbanColumn column() const { return m_column; }
    CardListModel *cardModel() const { return m_cards; }
    CardListView *listView() const { return m_list; }
    CardDelegate *delegate() const { return m_delegate; }
    QuickAddField *quickAddField() const { return m_quickAdd; }

    // Another project: the quick-add field closes.
    void setProject(const QUuid &projectID);
    // Opens the quick-add field (ideas only) and puts the cursor in it.
    void startAdding();
    bool isAdding() const { return m_adding; }

Q_SIGNALS:
    void cardOpened(const QUuid &cardID);
    void deleteRequested(const QUuid &cardID);
    void menuRequested(const QUuid &cardID, const QPoint &globalPos);
    void shiftRequested(const QUuid &cardID, CardShift shift);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void retranslate();
    void submitNewCard(const QString &text);
    void stopAdding();
    void updateContent();
    void updateColors();
    void setTargeted(bool targeted);
    // The row a drop at `point` lands before (-1: the end), and whether it may land there.
    std::pair<int, bool> dropPlace(const QPoint &point, const QMimeData *data) const;
    void endDrag();

    AppModel &m_model;
    KanbanColumn m_column;
    CardListModel *m_cards;
    CardDelegate *m_delegate;
    CardListView *m_list;
    QLabel *m_title;
    Capsule *m_count;
    IconButton *m_addButton = nullptr;
    QuickAddField *m_quickAdd = nullptr;
    ColumnPlaceholder *m_placeholder;
    EdgeScroller *m_scroller;
    QVariantAnimation m_highlight; // 0 at rest, 1 while a card hovers over the column
    bool m_adding = false;
    bool m_targeted = false;
};
