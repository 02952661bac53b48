// SPDX-License-Identifier: MIT
#pragma once

#include "app/documentchange.h"
#include "app/editaction.h"
#include "model/storedata.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QUuid>

#include <chrono>
#include <functional>
#include <optional>

// Undo and redo of the user's edits, in memory only. Each recorded operation becomes one step
// that keeps the records it changed as they were before and after (never the whole document),
// and undoing writes them back through the model, which saves and signals as for any edit.
// Stamps such as completedAt come back as they were, not made anew; the commit suggestion an
// operation raised is withdrawn by its undo while it is still pending, and a redo brings back
// only what the undo withdrew. Typing into one field becomes one step until a pause.
class EditHistory final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EditHistory)

public:
    struct State {
        StoreData document;
        std::optional<TaskCard> suggestion; // the commit suggestion
    };
    // How the history reads and writes the model it sits on.
    struct Target {
        std::function<State()> read;
        std::function<void(const State &)> write;
        std::function<QDateTime()> now;
    };

    static constexpr int depth = 100;
    static constexpr std::chrono::milliseconds typingPause{1500};

    explicit EditHistory(Target target, QObject *parent = nullptr);

    // Records what the model does while the step lives as one undo step. A step inside
    // another, and anything the history itself writes, records nothing of its own.
    class [[nodiscard]] Step final {
        Q_DISABLE_COPY_MOVE(Step)

    public:
        Step(EditHistory &history, EditAction action, const QUuid &subject);
        ~Step();

    private:
        EditHistory &m_history;
        bool m_records = false; // the outermost step, not an undo writing back
        EditAction m_action;
        QUuid m_subject;
        State m_before;
    };
    // `subject` is the record typing goes into (see EditActions::mergesTyping).
    Step record(EditAction action, const QUuid &subject = {}) { return {*this, action, subject}; }

    bool canUndo() const { return !m_done.isEmpty(); }
    bool canRedo() const { return !m_undone.isEmpty(); }
    std::optional<EditAction> undoAction() const;
    std::optional<EditAction> redoAction() const;
    void undo();
    void redo();
    // Forgets every step: the document was replaced as a whole.
    void clear();

Q_SIGNALS:
    void changed();

private:
    struct Entry {
        EditAction action;
        QUuid subject;
        DocumentChange change;
        std::optional<TaskCard> suggestionBefore;
        std::optional<TaskCard> suggestionAfter;
        bool suggestionWithdrawn = false;
        QDateTime lastEdit;
    };

    void finish(EditAction action, const QUuid &subject, const State &before);
    void push(Entry entry);

    Target m_target;
    QList<Entry> m_done;
    QList<Entry> m_undone;
    int m_recording = 0;       // steps open, nested ones included
    bool m_applying = false;   // writing an undo or redo back
    bool m_typingOpen = false; // the newest step may still take in typing
};
