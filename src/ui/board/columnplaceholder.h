// SPDX-License-Identifier: MIT
#pragma once

#include "model/kanbancolumn.h"

#include <QWidget>

class QLabel;
class SymbolLabel;

// What an empty column shows instead of tiles: its symbol, faint, above a short hint, centred
// in a dashed outline.
class ColumnPlaceholder final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColumnPlaceholder)

public:
    explicit ColumnPlaceholder(KanbanColumn column, QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateColors();

    KanbanColumn m_column;
    SymbolLabel *m_symbol;
    QLabel *m_text;
};
