// SPDX-License-Identifier: MIT
#include "ui/shell/applicationshortcuts.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QWidget>

ApplicationShortcuts::ApplicationShortcuts(const QList<QAction *> &actions, QObject *parent)
    : QObject(parent)
    , m_actions(actions.cbegin(), actions.cend())
{
    qApp->installEventFilter(this);
}

bool ApplicationShortcuts::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog)) {
            for (QAction *action : std::as_const(m_actions)) {
                if (action && !widget->actions().contains(action))
                    widget->addAction(action);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
