// SPDX-License-Identifier: MIT
#pragma once

#include "model/kanbancolumn.h"
#include "ui/board/cardfilter.h"
#include "ui/board/cardlistview.h"

#include <QList>
#include <QPointer>
#include <QUuid>
#include <QWidget>

struct UiContext;
class ArchiveSheet;
class CardDetailSheet;
class KanbanColumnView;
class LabelFilterBar;
class LabelManagerSheet;
class QToolButton;
class SearchField;
class SortMenuButton;
class SymbolLabel;
class IconButton;

// One project's board: the header (sort menu, compact toggle, labels, archive), the search field
// and label chips that filter it, and the three columns. It keeps no cards of its own; every
// change goes through the model. Search and label filter belong to the board and start empty
// for each project; sort mode and compact tiles are preferences shared by every board.
class KanbanView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KanbanView)

public:
    explicit KanbanView(UiContext &context, QWidget *parent = nullptr);
    ~KanbanView() override;

    QUuid projectID() const { return m_projectID; }
    void setProject(const QUuid &projectID);

    KanbanColumnView *column(KanbanColumn column) const;
    SearchField *searchField() const { return m_search; }
    CardFilter filter() const { return m_filter; }

    void openCard(const QUuid &cardID);
    void askToDelete(const QUuid &cardID);
    void showCardMenu(const QUuid &cardID, const QPoint &globalPos);
    // Moves a shown card as the matching drop would: into the neighbouring column at the top,
    // or past its neighbour in its own. The keyboard follows it, and a screen reader hears
    // where it went.
    void shiftCard(const QUuid &cardID, CardShift shift);
    void openArchive();
    void openLabelManager();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void applyPreferences();
    void applyFilter();
    void updateLabelChips();

    UiContext &m_context;
    QUuid m_projectID;
    CardFilter m_filter;
    SymbolLabel *m_title;
    SortMenuButton *m_sort;
    IconButton *m_compact;
    QToolButton *m_labelsButton;
    QToolButton *m_archiveButton;
    SearchField *m_search;
    LabelFilterBar *m_chips;
    QList<KanbanColumnView *> m_columns;
    QPointer<CardDetailSheet> m_cardSheet;
    QPointer<ArchiveSheet> m_archiveSheet;
    QPointer<LabelManagerSheet> m_labelSheet;
};
