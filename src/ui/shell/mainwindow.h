// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

class MainView;
struct UiContext;

// The one main window around MainView, with the application menu. Closing hides it; it lives
// until the application ends, so the view's state (selection, filter) survives. Its frame is
// remembered across runs under "QuaylinMainWindow"; the first time it opens 1060 × 700, centred.
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    static constexpr auto geometryName = "QuaylinMainWindow";
    static constexpr QSize firstSize{1060, 700};
    static constexpr QSize smallestSize{900, 580};

    explicit MainWindow(UiContext &context, QWidget *parent = nullptr);
    ~MainWindow() override;

    MainView *view() const { return m_view; }
    // Shows the window (restored when minimised), raises it and gives it the keyboard.
    void bringToFront();
    // Shown and not minimised.
    bool isShown() const;

Q_SIGNALS:
    // "Ukončit Quaylin" in the menu.
    void quitRequested();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void storeGeometry();
    void showAbout();

    UiContext &m_context;
    MainView *m_view;
};
