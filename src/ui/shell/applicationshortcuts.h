// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;

// Makes the application's commands (quit, new project, refresh, search, close) answer their
// shortcuts in every window of the application, not only in the main window whose menu holds
// them. The sheets over the main window are window-modal, which blocks the menu's own shortcuts
// there, so each window gets the actions as its own when it is shown.
class ApplicationShortcuts final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ApplicationShortcuts)

public:
    // Watches the application's windows from now until `parent` goes.
    ApplicationShortcuts(const QList<QAction *> &actions, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QPointer<QAction>> m_actions;
};
