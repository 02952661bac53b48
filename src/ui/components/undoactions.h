// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class EditHistory;
class QAction;
class QWidget;

// Undo (Ctrl+Z) and redo (Ctrl+Shift+Z) of the model's edit history, named by the step they
// would take back ("Zpět: Přesunout kartu") and disabled while there is none. Added to
// `owner`: a menu shows them, a sheet takes their shortcuts while it is the active window. A
// text field with the keyboard keeps Ctrl+Z for its own typing.
class UndoActions final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UndoActions)

public:
    UndoActions(EditHistory &history, QWidget *owner);

    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }

protected:
    // The owner passes its LanguageChange on to its children, this one included.
    bool event(QEvent *event) override;

private:
    void update();

    EditHistory &m_history;
    QAction *m_undo;
    QAction *m_redo;
};
