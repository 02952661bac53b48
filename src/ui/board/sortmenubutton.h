// SPDX-License-Identifier: MIT
#pragma once

#include "ui/board/kanbansortmode.h"

#include <QToolButton>

class QActionGroup;

// The board's sort menu: the button shows the current mode; the menu lists the three modes with
// their symbols and a check mark after the current one.
class SortMenuButton final : public QToolButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SortMenuButton)

public:
    explicit SortMenuButton(QWidget *parent = nullptr);

    KanbanSortMode mode() const { return m_mode; }
    void setMode(KanbanSortMode mode);

Q_SIGNALS:
    void modeChosen(KanbanSortMode mode);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void retranslate();
    void updateIcons();

    KanbanSortMode m_mode = KanbanSortMode::Manual;
    QActionGroup *m_group;
};
