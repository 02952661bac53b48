// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;
struct UiContext;

// The overview's title, when it was last refreshed (only once it has been), and the refresh
// button. The relative time is renewed while the header is visible, never in the background.
class OverviewHeader final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OverviewHeader)

public:
    explicit OverviewHeader(UiContext &context, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void retranslate();
    void updateRefreshed();

    UiContext &m_context;
    QLabel *m_title;
    QLabel *m_refreshed;
    QPushButton *m_refresh;
    QTimer m_ticker;
};
