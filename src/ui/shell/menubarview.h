// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QTimer>
#include <QUuid>
#include <QWidget>

class Capsule;
class IconButton;
class MenuProjectRow;
class QLabel;
class QScrollArea;
class QVariantAnimation;
class QVBoxLayout;
struct UiContext;

// The tray panel: when the data was last refreshed with a refresh button, one row per project
// in stored order, and the way into the main window or out of the application. A frameless
// tool window beside the tray icon (not a popup, so screen readers reach it); it hides when it
// loses focus or on Escape. Its texts follow the interface language while it is open; while it
// is hidden it does no work at all and catches up when shown again.
class MenuBarView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MenuBarView)

public:
    static constexpr int panelWidth = 330;

    explicit MenuBarView(UiContext &context, QWidget *parent = nullptr);
    ~MenuBarView() override;

    // Shows the panel beside `anchor`, the tray icon's global geometry; an empty rectangle
    // places it at the pointer.
    void popUp(const QRect &anchor);
    // The panel hid a moment ago because it lost focus, most likely to a click on the tray
    // icon, which should then not open it again.
    bool justLostFocus() const;
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
    QRect m_anchor;
    bool m_placed = false;
    QTimer m_ticker; // re-words "Aktualizováno …" while the panel stays open
    QElapsedTimer m_lostFocus;
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
