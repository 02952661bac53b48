// SPDX-License-Identifier: MIT
#pragma once

#include <QPersistentModelIndex>
#include <QTreeView>
#include <QUuid>

// The sidebar's tree: rows painted by SidebarDelegate, no branch lines or indentation. A click
// on a folder header opens or closes it; a project row is selected when the button is released
// (so dragging a row does not select it) and drags its own id. While a drag hovers over a row
// that accepts it, the row is tinted.
class SidebarView final : public QTreeView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SidebarView)

public:
    explicit SidebarView(QWidget *parent = nullptr);

    // The row a drag in progress would drop onto, if it accepts it.
    QModelIndex dropTarget() const { return m_dropTarget; }
    // Opens or closes each folder header as its stored state says.
    void syncExpansion();

Q_SIGNALS:
    // The user opened or closed a folder (click, or the keyboard).
    void folderToggled(const QUuid &folderID, bool expanded);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setDropTarget(const QModelIndex &index);
    void onExpansionChanged(const QModelIndex &index, bool expanded);

    QPersistentModelIndex m_dropTarget;
    QPersistentModelIndex m_pressed; // a project row the left button went down on
    QPoint m_pressPosition;
    bool m_syncingExpansion = false;
};
