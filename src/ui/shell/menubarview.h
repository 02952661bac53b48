// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QTimer>
#include <QUuid>
#include <QWidget>

#include <chrono>
#include <functional>
#include <optional>

class Capsule;
class IconButton;
class MenuProjectRow;
class QLabel;
class QScrollArea;
class QVariantAnimation;
class QVBoxLayout;
struct UiContext;

// The tray panel: when the data was last refreshed with a refresh button, one row per project
// in stored order, and the way into the main window or out of the application. Where the
// application may place windows (X11) a frameless tool window beside the tray icon (not a popup,
// so screen readers reach it); where the compositor places them (Wayland) a small ordinary
// window of fixed size, so tiling compositors float it. It hides when it loses focus or on
// Escape. Its texts follow the interface language while it is open; while it is hidden it does
// no work at all and catches up when shown again.
class MenuBarView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MenuBarView)

public:
    static constexpr int panelWidth = 330;
    // A monotonic "now"; tests set one they move by hand.
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    enum class Presentation {
        BesideIcon, // frameless, placed by the application
        Window,     // decorated, placed by the compositor
    };

    explicit MenuBarView(UiContext &context, Presentation presentation = Presentation::BesideIcon,
                         QWidget *parent = nullptr);
    ~MenuBarView() override;

    // Shows the panel beside `anchor`, the tray icon's global geometry; an empty rectangle
    // places it at the pointer. A panel presented as a window leaves that to the compositor.
    void popUp(const QRect &anchor);
    // The panel hid a moment ago because it lost focus, most likely to a click on the tray
    // icon, which should then not open it again.
    bool justLostFocus() const;
    void setClock(Clock clock) { m_clock = std::move(clock); }
    // The refresh symbol turns (only while shown and refreshing).
    bool isSpinning() const;

Q_SIGNALS:
    void openMainWindowRequested();
    void quitRequested();

protected:
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void retranslate();
    QWidget *makeHeader();
    QWidget *makeFooter();
    void rebuildRows();
    void syncRows();
    void syncRow(const QUuid &projectID);
    void syncRefreshText();
    void syncSpinner();
    void fitToContent();
    void place();

    UiContext &m_context;
    Presentation m_presentation;
    QRect m_anchor;
    bool m_placed = false;
    QTimer m_ticker; // re-words "Aktualizováno …" while the panel stays open
    Clock m_clock = [] { return std::chrono::steady_clock::now(); };
    std::optional<std::chrono::steady_clock::time_point> m_lostFocusAt;
    QLabel *m_refreshText = nullptr;
    IconButton *m_refresh = nullptr;
    QVariantAnimation *m_spin = nullptr;
    QScrollArea *m_scroll = nullptr;
    QVBoxLayout *m_rowsLayout = nullptr;
    QLabel *m_hint = nullptr;
    QHash<QUuid, MenuProjectRow *> m_rows;
    Capsule *m_open = nullptr;
    Capsule *m_quit = nullptr;
};
