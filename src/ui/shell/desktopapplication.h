// SPDX-License-Identifier: MIT
#pragma once

#include "app/appcontext.h"
#include "ui/desktop/desktop.h"
#include "ui/shell/singleinstance.h"

#include <QObject>

#include <memory>
#include <optional>

class GlobalHotKeyManager;
class HotKeyBackend;
class MainWindow;
class StatusNotifierHost;
class TrayIcon;
struct UiContext;

// The desktop application: owns, in the order they start, the data file's lock, the model with
// the update checker and notifications (and the preferences), the desktop seams, the global
// shortcut, the tray icon and, once asked for, the main window. No window opens at start while
// a system tray is there; without one the main window opens instead, except at login, where
// the application waits for the panel's tray and never opens a window by itself.
class DesktopApplication final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DesktopApplication)

public:
    struct Options {
        AppContext::Options context;
        std::unique_ptr<HotKeyBackend> hotKeys; // none: this desktop's
        std::optional<Desktop> desktop;         // none: the real desktop
        bool startedAtLogin = false;
    };

    // `instance` holds the lock and answers later launches (none in tests).
    DesktopApplication(std::unique_ptr<SingleInstance> instance, Options options,
                       QObject *parent = nullptr);
    ~DesktopApplication() override;

    // Starts the model's refreshes and the update check, registers the shortcut when the
    // preference allows it, and shows the tray icon (or the main window without a tray).
    // Started at login, it first waits a while for a StatusNotifierItem host, since Qt looks
    // for one only when the tray icon is made.
    void start();

    // Creates the main window if needed and brings it to the front.
    void showMainWindow();
    // The shortcut's action: hides the main window when shown, else shows it.
    void toggleMainWindow();
    // Ends the event loop; exec() then waits for the last save. A change that cannot be
    // saved is tried once more; if it still fails, the user is asked first (save a copy
    // elsewhere, quit without saving, or stay).
    void quit();
    // The end asked for by a signal (SIGTERM), which cannot ask: a change that cannot be saved
    // is tried once more, then written to a copy in the cache folder (the next start offers
    // it) and the copy's place logged; then the event loop ends.
    void terminate();
    // Waits until every change is on disk. Call after the event loop has ended.
    void finish();

    AppContext &context() { return *m_context; }
    UiContext &ui() { return *m_ui; }
    GlobalHotKeyManager &hotKey() { return *m_hotKey; }
    // Absent while a start at login waits for the panel's tray.
    TrayIcon *tray() const { return m_tray.get(); }
    // Absent until first shown.
    MainWindow *mainWindow() const { return m_window.get(); }

    // `quaylin` without arguments, or with the autostart entry's (`atLogin`), from the display
    // check to the exit status.
    static int exec(int argc, char *argv[], bool atLogin);

Q_SIGNALS:
    // The event loop is being ended (by quit or terminate).
    void quitting();

private:
    void makeTray();
    void showTray();

    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<SystemDesktop> m_systemDesktop;
    std::unique_ptr<GlobalHotKeyManager> m_hotKey;
    std::unique_ptr<UiContext> m_ui;
    bool m_startedAtLogin = false;
    StatusNotifierHost *m_trayHost = nullptr;
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<MainWindow> m_window;
};
