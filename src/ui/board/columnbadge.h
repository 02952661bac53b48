// SPDX-License-Identifier: MIT
#pragma once

#include "model/kanbancolumn.h"

#include <QWidget>

// A column's symbol in its colour on a faint disc of that colour, 22 px across.
class ColumnBadge final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColumnBadge)

public:
    explicit ColumnBadge(KanbanColumn column, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    KanbanColumn m_column;
};
