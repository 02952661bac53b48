// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <memory>

class MenuBarView;
class QMenu;
struct UiContext;

// The application's place in the system tray: the sailboat, filled while any project is red.
// A left click opens the panel beside it; the context menu opens the main window or quits.
class TrayIcon final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayIcon)

public:
    explicit TrayIcon(UiContext &context, QObject *parent = nullptr);
    ~TrayIcon() override;

    void show();
    // The symbol shown: "sailboat.fill" or "sailboat".
    QString symbol() const { return m_symbol; }
    // The panel, once it has been opened (absent before).
    MenuBarView *panel() const { return m_panel.get(); }
    QMenu *menu() const { return m_menu.get(); }
    // Opens the panel, or closes it when open (a second click on the icon).
    void togglePanel();

    // The tray icon in the application badge's style, with `symbol` on it.
    static QIcon iconFor(const QString &symbol);

Q_SIGNALS:
    void openMainWindowRequested();
    void quitRequested();

private:
    void syncSymbol();
    void retranslate();

    UiContext &m_context;
    QSystemTrayIcon m_icon;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<MenuBarView> m_panel;
    QString m_symbol;
};
