// SPDX-License-Identifier: MIT
#include "app/appmodel.h"

#include "app/cardqueries.h"
#include "app/recordlookup.h"
#include "app/sortindex.h"
#include "services/preferences.h"

#include <algorithm>

double AppModel::nextSortIndex(const QList<TaskCard> &cards, const QUuid &projectID,
                               KanbanColumn column, const std::optional<QUuid> &before)
{
    QList<SortIndex::Sibling> sorted;
    for (const TaskCard &card : CardQueries::column(cards, projectID, column))
        sorted.append({card.id, card.sortIndex});
    return SortIndex::placement(sorted, before);
}

void AppModel::addCard(const QUuid &projectID, const QString &title, const QString &note,
                       KanbanColumn column)
{
    const auto step = m_history.record(EditAction::AddCard);
    // Archived cards count too, so a restored card cannot collide with a new one at the top.
    QList<double> indices;
    for (const TaskCard &card : std::as_const(m_cards)) {
        if (card.projectID == projectID && card.column == column)
            indices.append(card.sortIndex);
    }
    TaskCard card;
    card.id = QUuid::createUuid();
    card.projectID = projectID;
    card.title = title;
    card.note = note;
    card.column = column;
    card.createdAt = now();
    card.sortIndex = SortIndex::beforeFirst(indices);
    setCards(m_cards + QList<TaskCard>{card});
    persist();
}

void AppModel::moveCard(const QUuid &id, KanbanColumn column, const std::optional<QUuid> &before)
{
    const auto step = m_history.record(EditAction::MoveCard);
    QList<TaskCard> cards = m_cards;
    TaskCard *card = findById(cards, id);
    if (!card)
        return;
    const KanbanColumn old = card->column;
    // The column changes first, so the card itself is among the siblings it is placed by.
    card->column = column;
    card->sortIndex = nextSortIndex(cards, card->projectID, column, before);
    if (column != old) {
        if (column == KanbanColumn::Done)
            card->completedAt = now();
        else
            card->completedAt.reset();
    }
    const TaskCard moved = *card;
    setCards(std::move(cards));
    persist();
    if (column == KanbanColumn::Done && old != KanbanColumn::Done)
        setCommitSuggestionCard(moved);
}

void AppModel::archiveCard(const QUuid &id)
{
    const auto step = m_history.record(EditAction::ArchiveCard);
    editCard(id, [](TaskCard &card) { card.archived = true; });
}

void AppModel::unarchiveCard(const QUuid &id)
{
    const auto step = m_history.record(EditAction::UnarchiveCard);
    QList<TaskCard> cards = m_cards;
    TaskCard *card = findById(cards, id);
    if (!card)
        return;
    card->archived = false;
    card->sortIndex = nextSortIndex(cards, card->projectID, card->column, std::nullopt);
    setCards(std::move(cards));
    persist();
}

void AppModel::deleteCard(const QUuid &id)
{
    const auto step = m_history.record(EditAction::DeleteCard);
    QList<TaskCard> cards = m_cards;
    cards.removeIf([&](const TaskCard &card) { return card.id == id; });
    setCards(std::move(cards));
    persist();
}

void AppModel::updateCard(const TaskCard &card)
{
    // Named by the one text it changes, so typing into a field undoes as one step.
    EditAction action = EditAction::EditCard;
    if (const std::optional<TaskCard> existing = this->card(card.id)) {
        TaskCard retitled = *existing;
        retitled.title = card.title;
        TaskCard renoted = *existing;
        renoted.note = card.note;
        if (retitled == card)
            action = EditAction::EditTitle;
        else if (renoted == card)
            action = EditAction::EditNote;
    }
    const auto step = m_history.record(action, card.id);
    editCard(card.id, [&](TaskCard &existing) { existing = card; });
}

void AppModel::toggleLabel(const QUuid &labelID, const QUuid &cardID)
{
    const auto step = m_history.record(EditAction::ToggleLabel);
    editCard(cardID, [&](TaskCard &card) {
        if (!card.labelIDs.removeOne(labelID))
            card.labelIDs.append(labelID);
    });
}

void AppModel::setDueDate(const std::optional<QDateTime> &date, const QUuid &cardID)
{
    const auto step = m_history.record(EditAction::SetDueDate);
    editCard(cardID, [&](TaskCard &card) { card.dueDate = date; });
}

void AppModel::setCoverColor(const std::optional<QString> &colorName, const QUuid &cardID)
{
    const auto step = m_history.record(EditAction::SetCoverColor);
    editCard(cardID, [&](TaskCard &card) { card.coverColorName = colorName; });
}

void AppModel::setPriority(const std::optional<CardPriority> &priority, const QUuid &cardID)
{
    const auto step = m_history.record(EditAction::SetPriority);
    editCard(cardID, [&](TaskCard &card) { card.priority = priority; });
}

void AppModel::addChecklistItem(const QString &text, const QUuid &cardID)
{
    const auto step = m_history.record(EditAction::AddChecklistItem);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return;
    editCard(cardID, [&](TaskCard &card) {
        card.checklist.append({QUuid::createUuid(), trimmed, false});
    });
}

void AppModel::toggleChecklistItem(const QUuid &itemID, const QUuid &cardID)
{
    const auto step = m_history.record(EditAction::ToggleChecklistItem);
    QList<TaskCard> cards = m_cards;
    TaskCard *card = findById(cards, cardID);
    ChecklistItem *item = card ? findById(card->checklist, itemID) : nullptr;
    if (!item)
        return;
    item->done = !item->done;
    setCards(std::move(cards));
    persist();
}

void AppModel::removeChecklistItem(const QUuid &itemID, const QUuid &cardID)
{
    const auto step = m_history.record(EditAction::RemoveChecklistItem);
    editCard(cardID, [&](TaskCard &card) {
        card.checklist.removeIf([&](const ChecklistItem &item) { return item.id == itemID; });
    });
}

void AppModel::startTimer(const QUuid &cardID)
{
    const auto found = std::find_if(m_cards.cbegin(), m_cards.cend(),
                                    [&](const TaskCard &card) { return card.id == cardID; });
    if (found == m_cards.cend() || found->isTimerRunning())
        return;
    editCard(cardID, [&](TaskCard &card) { card.timerStartedAt = now(); });
}

void AppModel::stopTimer(const QUuid &cardID)
{
    const auto found = std::find_if(m_cards.cbegin(), m_cards.cend(),
                                    [&](const TaskCard &card) { return card.id == cardID; });
    if (found == m_cards.cend() || !found->isTimerRunning())
        return;
    editCard(cardID, [&](TaskCard &card) {
        card.timeSpentSeconds = card.currentTimeSpentSeconds(now());
        card.timerStartedAt.reset();
    });
}

void AppModel::addLabel(const QString &name, const QString &colorName)
{
    const auto step = m_history.record(EditAction::AddLabel);
    setLabels(m_labels + QList<CardLabel>{{QUuid::createUuid(), name, colorName}});
    persist();
}

void AppModel::renameLabel(const QUuid &id, const QString &name, const QString &colorName)
{
    const auto found = std::ranges::find(std::as_const(m_labels), id, &CardLabel::id);
    const bool renamed = found != m_labels.cend() && found->name != name;
    const auto step =
        m_history.record(renamed ? EditAction::RenameLabel : EditAction::RecolorLabel, id);
    editRecord(&AppModel::m_labels, &AppModel::labelsChanged, id, [&](CardLabel &label) {
        label.name = name;
        label.colorName = colorName;
    });
}

void AppModel::deleteLabel(const QUuid &id)
{
    const auto step = m_history.record(EditAction::DeleteLabel);
    QList<CardLabel> labels = m_labels;
    labels.removeIf([&](const CardLabel &label) { return label.id == id; });
    setLabels(std::move(labels));
    QList<TaskCard> cards = m_cards;
    for (TaskCard &card : cards)
        card.labelIDs.removeAll(id);
    setCards(std::move(cards));
    persist();
}

void AppModel::autoArchiveOldDoneCards()
{
    const Preferences *preferences = m_env.preferences;
    if (!preferences || !preferences->autoArchiveEnabled())
        return;
    // Calendar days in local time, so the cut-off keeps the time of day across DST changes.
    const QDateTime cutoff = now().toLocalTime().addDays(-preferences->autoArchiveDays());
    if (!cutoff.isValid())
        return;
    QList<TaskCard> cards = m_cards;
    bool changed = false;
    for (TaskCard &card : cards) {
        if (card.column == KanbanColumn::Done && !card.archived && card.completedAt &&
            *card.completedAt < cutoff) {
            card.archived = true;
            changed = true;
        }
    }
    if (!changed)
        return;
    setCards(std::move(cards));
    persist();
}
