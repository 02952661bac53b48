// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

// Paints the sidebar's rows: the overview row, folder and no-folder headers with their
// disclosure and counts, and project rows (emoji, name on one line, status symbol, status dot).
// The filter picker and the new-folder field are widgets over their rows; this only sizes them.
class SidebarDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SidebarDelegate)

public:
    explicit SidebarDelegate(QObject *parent = nullptr);

    // Free room at the row's ends; the views place row widgets inside it too.
    static constexpr int sideMargin = 8;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    void paintHeader(QPainter &painter, const QStyleOptionViewItem &option,
                     const QModelIndex &index) const;
    void paintProject(QPainter &painter, const QStyleOptionViewItem &option,
                      const QModelIndex &index, const QRectF &box, bool onAccent) const;
};
