// SPDX-License-Identifier: MIT
#include "ui/main/sidebarview.h"

#include "ui/main/sidebarmodel.h"

#include <QApplication>
#include <QDrag>
#include <QDragMoveEvent>
#include <QMimeData>
#include <QPainter>

namespace {

using Kind = SidebarModel::Kind;

} // namespace

SidebarView::SidebarView(QWidget *parent)
    : QTreeView(parent)
{
    setObjectName(QStringLiteral("sidebarTree"));
    setHeaderHidden(true);
    setIndentation(0);
    setRootIsDecorated(false);
    setItemsExpandable(true);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(false);
    setAnimated(false);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // One column, so items are rows; and Qt's accessible row toggle selects by the row's place
    // under its parent when rows are selected, which under a folder lands on another row.
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    // Drops land on rows, never between them: on a header to move, on a project to reorder.
    setDragDropOverwriteMode(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideRight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    viewport()->setAttribute(Qt::WA_Hover);
    // The sidebar sits on the window colour; the detail area on the base colour beside it.
    setBackgroundRole(QPalette::Window);
    viewport()->setBackgroundRole(QPalette::Window);
    connect(this, &QTreeView::expanded, this,
            [this](const QModelIndex &index) { onExpansionChanged(index, true); });
    connect(this, &QTreeView::collapsed, this,
            [this](const QModelIndex &index) { onExpansionChanged(index, false); });
}

void SidebarView::syncExpansion()
{
    if (!model())
        return;
    m_syncingExpansion = true;
    for (int row = 0; row < model()->rowCount(); ++row) {
        const QModelIndex header = model()->index(row, 0);
        switch (SidebarModel::kind(header)) {
        case Kind::Folder:
            setExpanded(header, header.data(SidebarModel::ExpandedRole).toBool());
            break;
        case Kind::NoFolder:
            setExpanded(header, true);
            break;
        default:
            break;
        }
    }
    m_syncingExpansion = false;
}

void SidebarView::onExpansionChanged(const QModelIndex &index, bool expanded)
{
    if (m_syncingExpansion || SidebarModel::kind(index) != Kind::Folder)
        return;
    if (index.data(SidebarModel::ExpandedRole).toBool() != expanded)
        Q_EMIT folderToggled(index.data(SidebarModel::FolderIdRole).toUuid(), expanded);
}

QItemSelectionModel::SelectionFlags SidebarView::selectionCommand(const QModelIndex &index,
                                                                  const QEvent *event) const
{
    // Select on release, so pressing a row to drag it leaves the selection alone.
    if (event && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove))
        return QItemSelectionModel::NoUpdate;
    if (event && event->type() == QEvent::MouseButtonRelease) {
        const bool left = static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton;
        return left && index.isValid() && (index.flags() & Qt::ItemIsSelectable)
                   ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                   : QItemSelectionModel::NoUpdate;
    }
    return QTreeView::selectionCommand(index, event);
}

void SidebarView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && SidebarModel::kind(index) == Kind::Folder &&
        event->button() == Qt::LeftButton) {
        Q_EMIT folderToggled(index.data(SidebarModel::FolderIdRole).toUuid(),
                             !index.data(SidebarModel::ExpandedRole).toBool());
        return;
    }
    const bool draggable = event->button() == Qt::LeftButton && index.isValid() &&
                           (index.flags() & Qt::ItemIsDragEnabled);
    m_pressed = draggable ? index : QModelIndex();
    m_pressPosition = event->position().toPoint();
    QTreeView::mousePressEvent(event);
}

void SidebarView::mouseMoveEvent(QMouseEvent *event)
{
    // Qt starts a drag only from selected rows; a row is dragged here whether selected or not.
    if (m_pressed.isValid() && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - m_pressPosition).manhattanLength() >=
            QApplication::startDragDistance()) {
        startDrag(model()->supportedDragActions());
        m_pressed = QModelIndex();
        setState(NoState);
        return;
    }
    QTreeView::mouseMoveEvent(event);
}

void SidebarView::startDrag(Qt::DropActions supportedActions)
{
    // The pressed row, not the selection: Qt's own drag takes the selected rows.
    const QModelIndex index = m_pressed.isValid() ? QModelIndex(m_pressed) : currentIndex();
    if (!index.isValid() || !(index.flags() & Qt::ItemIsDragEnabled))
        return;
    QMimeData *data = model()->mimeData({index});
    if (!data)
        return;
    const QRect rect = visualRect(index);
    QPixmap pixmap(rect.size() * devicePixelRatioF());
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = QRect(QPoint(0, 0), rect.size());
        option.state |= QStyle::State_MouseOver;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(pixmap);
    drag->setHotSpot(viewport()->mapFromGlobal(QCursor::pos()) - rect.topLeft());
    drag->exec(supportedActions, Qt::MoveAction);
    setDropTarget({});
}

void SidebarView::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeView::dragMoveEvent(event);
    setDropTarget(event->isAccepted() ? indexAt(event->position().toPoint()) : QModelIndex());
}

void SidebarView::dragLeaveEvent(QDragLeaveEvent *event)
{
    setDropTarget({});
    QTreeView::dragLeaveEvent(event);
}

void SidebarView::dropEvent(QDropEvent *event)
{
    setDropTarget({});
    QTreeView::dropEvent(event);
}

void SidebarView::focusInEvent(QFocusEvent *event)
{
    QTreeView::focusInEvent(event);
    viewport()->update(); // the selection turns accent
}

void SidebarView::focusOutEvent(QFocusEvent *event)
{
    QTreeView::focusOutEvent(event);
    viewport()->update();
}

void SidebarView::setDropTarget(const QModelIndex &index)
{
    if (m_dropTarget == index)
        return;
    const QModelIndex previous = m_dropTarget;
    m_dropTarget = index;
    if (previous.isValid())
        update(previous);
    if (index.isValid())
        update(index);
}
