// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class StatChip;
struct UiContext;

// The overview's figures: open tasks, overdue tasks (only while there are any) and projects.
class StatsRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatsRow)

public:
    explicit StatsRow(UiContext &context, QWidget *parent = nullptr);

    void refresh();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    UiContext &m_context;
    StatChip *m_open;
    StatChip *m_overdue;
    StatChip *m_projects;
};
