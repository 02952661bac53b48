// SPDX-License-Identifier: MIT
#include "ui/components/undoactions.h"

#include "app/edithistory.h"
#include "i18n/localization.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

using namespace Qt::StringLiterals;

UndoActions::UndoActions(EditHistory &history, QWidget *owner)
    : QObject(owner)
    , m_history(history)
    , m_undo(new QAction(this))
    , m_redo(new QAction(this))
{
    m_undo->setObjectName(u"undoAction"_s);
    m_undo->setShortcut(QKeySequence(u"Ctrl+Z"_s));
    m_redo->setObjectName(u"redoAction"_s);
    m_redo->setShortcut(QKeySequence(u"Ctrl+Shift+Z"_s));
    owner->addAction(m_undo);
    owner->addAction(m_redo);
    connect(m_undo, &QAction::triggered, &history, &EditHistory::undo);
    connect(m_redo, &QAction::triggered, &history, &EditHistory::redo);
    connect(&history, &EditHistory::changed, this, &UndoActions::update);
    update();
}

bool UndoActions::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        update();
    return QObject::event(event);
}

void UndoActions::update()
{
    const std::optional<EditAction> undo = m_history.undoAction();
    m_undo->setEnabled(undo.has_value());
    m_undo->setText(undo ? L(u"Zpět: %1"_s).arg(EditActions::title(*undo)) : L(u"Zpět"_s));
    const std::optional<EditAction> redo = m_history.redoAction();
    m_redo->setEnabled(redo.has_value());
    m_redo->setText(redo ? L(u"Znovu: %1"_s).arg(EditActions::title(*redo)) : L(u"Znovu"_s));
}
