// SPDX-License-Identifier: MIT
#pragma once

#include "model/cardlabel.h"
#include "model/taskcard.h"
#include "ui/board/cardfilter.h"
#include "ui/board/kanbansortmode.h"

#include <QAbstractListModel>
#include <QUuid>

class AppModel;

// The visible cards of one project's column, as rows: filtered and ordered like the board shows
// them. It follows the model by rows: a change of the card list is diffed by id into removals,
// moves, insertions and dataChanged for the cards that differ, so one edited card repaints one
// row and a selection survives. Drags carry the card id as text/plain; a drop moves the card
// through the model (before the card it lands on, else to the end of the column). The model has
// moved the card by then, so removeRows (which a view calls after a move drop) is refused.
class CardListModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CardListModel)

public:
    enum Role {
        CardRole = Qt::UserRole + 1, // the TaskCard
        IdRole,                      // its id
    };
    static constexpr auto mimeType = "text/plain";

    CardListModel(AppModel &model, KanbanColumn column, QObject *parent = nullptr);

    KanbanColumn column() const { return m_column; }
    QUuid projectID() const { return m_projectID; }
    // Shows another project's cards (a reset: nothing of the old rows carries over).
    void setProject(const QUuid &projectID);
    CardFilter filter() const { return m_filter; }
    void setFilter(const CardFilter &filter);
    KanbanSortMode sortMode() const { return m_sortMode; }
    void setSortMode(KanbanSortMode mode);

    const TaskCard &cardAt(int row) const { return m_cards.at(row); }
    // The row showing the card, or -1.
    int rowOf(const QUuid &cardID) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;

    // The card id a drop carries: the first text, when it is a UUID.
    static std::optional<QUuid> droppedCardID(const QMimeData *data);

    // Where a card just went, said by a screen reader as the card's description until the
    // next announcement or clearAnnouncement.
    void announce(const QUuid &cardID, const QString &text);
    void clearAnnouncement();

private:
    void reload();
    void applyRows(const QList<TaskCard> &cards);
    void onLabelsChanged();

    AppModel &m_model;
    KanbanColumn m_column;
    QUuid m_projectID;
    CardFilter m_filter;
    KanbanSortMode m_sortMode = KanbanSortMode::Manual;
    QList<TaskCard> m_cards;
    QList<CardLabel> m_labels; // as last seen, to tell which cards a label change touches
    std::optional<std::pair<QUuid, QString>> m_announcement;
};
