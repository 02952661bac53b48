// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// The application menu's commands, raised by the menu and heard by whichever screens are open:
// "Nový projekt" opens the project editor (main window), "Nová složka" the sidebar's new-folder
// field (main window; the keyboard's way to a folder), "Obnovit" refreshes (main window),
// "Hledat úkoly" focuses the board's search field. One per process, created by the shell and
// passed to the screens (through Desktop).
class AppCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppCommands)

public:
    explicit AppCommands(QObject *parent = nullptr);

public Q_SLOTS:
    void requestNewProject();
    void requestNewFolder();
    void requestRefresh();
    void requestFocusSearch();

Q_SIGNALS:
    void newProjectRequested();
    void newFolderRequested();
    void refreshRequested();
    void focusSearchRequested();
};
