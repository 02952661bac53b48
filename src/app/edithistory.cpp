// SPDX-License-Identifier: MIT
#include "app/edithistory.h"

EditHistory::EditHistory(Target target, QObject *parent)
    : QObject(parent)
    , m_target(std::move(target))
{
}

EditHistory::Step::Step(EditHistory &history, EditAction action, const QUuid &subject)
    : m_history(history)
    , m_records(history.m_recording++ == 0 && !history.m_applying)
    , m_action(action)
    , m_subject(subject)
{
    if (m_records)
        m_before = history.m_target.read(); // the lists are shared, not copied
}

EditHistory::Step::~Step()
{
    --m_history.m_recording;
    if (m_records)
        m_history.finish(m_action, m_subject, m_before);
}

std::optional<EditAction> EditHistory::undoAction() const
{
    return m_done.isEmpty() ? std::nullopt : std::optional(m_done.last().action);
}

std::optional<EditAction> EditHistory::redoAction() const
{
    return m_undone.isEmpty() ? std::nullopt : std::optional(m_undone.last().action);
}

void EditHistory::finish(EditAction action, const QUuid &subject, const State &before)
{
    const State after = m_target.read();
    Entry entry{.action = action,
                .subject = subject,
                .change = DocumentChange::between(before.document, after.document),
                .suggestionBefore = before.suggestion,
                .suggestionAfter = after.suggestion,
                .lastEdit = m_target.now()};
    if (entry.change.isEmpty() && entry.suggestionBefore == entry.suggestionAfter)
        return;
    if (m_typingOpen && EditActions::mergesTyping(action) && !m_done.isEmpty()) {
        Entry &newest = m_done.last();
        if (newest.action == action && newest.subject == subject &&
            newest.suggestionAfter == entry.suggestionBefore &&
            newest.lastEdit.msecsTo(entry.lastEdit) <= typingPause.count() &&
            newest.change.absorb(entry.change)) {
            newest.suggestionAfter = entry.suggestionAfter;
            newest.lastEdit = entry.lastEdit;
            return;
        }
    }
    push(std::move(entry));
}

void EditHistory::push(Entry entry)
{
    m_done.append(std::move(entry));
    if (m_done.size() > depth)
        m_done.removeFirst();
    m_undone.clear();
    m_typingOpen = true;
    Q_EMIT changed();
}

void EditHistory::undo()
{
    if (m_done.isEmpty() || m_recording > 0)
        return;
    Entry entry = m_done.takeLast();
    State state = m_target.read();
    entry.change.apply(state.document, ChangeDirection::Back);
    entry.suggestionWithdrawn = entry.suggestionBefore != entry.suggestionAfter &&
                                state.suggestion == entry.suggestionAfter;
    if (entry.suggestionWithdrawn)
        state.suggestion = entry.suggestionBefore;
    m_undone.append(std::move(entry));
    m_typingOpen = false;
    m_applying = true;
    m_target.write(state);
    m_applying = false;
    Q_EMIT changed();
}

void EditHistory::redo()
{
    if (m_undone.isEmpty() || m_recording > 0)
        return;
    Entry entry = m_undone.takeLast();
    State state = m_target.read();
    entry.change.apply(state.document, ChangeDirection::Forth);
    if (entry.suggestionWithdrawn && state.suggestion == entry.suggestionBefore)
        state.suggestion = entry.suggestionAfter;
    m_done.append(std::move(entry));
    m_typingOpen = false;
    m_applying = true;
    m_target.write(state);
    m_applying = false;
    Q_EMIT changed();
}

void EditHistory::clear()
{
    if (m_done.isEmpty() && m_undone.isEmpty())
        return;
    m_done.clear();
    m_undone.clear();
    m_typingOpen = false;
    Q_EMIT changed();
}
