// SPDX-License-Identifier: MIT
#include "ui/board/archivelist.h"

#include "ui/board/archivemodel.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

ArchiveList::ArchiveList(ArchiveModel &model, QWidget *parent)
    : QListView(parent)
    , m_model(model)
    , m_delegate(new ArchiveDelegate(this))
{
    setObjectName(u"archiveList"_s);
    setModel(&model);
    setItemDelegate(m_delegate);
    // Every row is as high as the others: ten thousand archived cards lay out at once.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
}

QRect ArchiveList::buttonRect(const QModelIndex &index, ArchiveDelegate::Button button) const
{
    const ArchiveDelegate::Layout parts = m_delegate->layout(visualRect(index), this);
    return button == ArchiveDelegate::Button::Restore ? parts.restore : parts.remove;
}

std::optional<ArchiveDelegate::Button> ArchiveList::buttonAt(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? m_delegate->buttonAt(visualRect(index), this, pos) : std::nullopt;
}

void ArchiveList::setHot(const QModelIndex &index, std::optional<ArchiveDelegate::Button> button)
{
    // A pressed button looks pressed only while the pointer is on it, as a push button does.
    const bool pressed = button && m_pressedButton == button && m_pressedIndex == index;
    const QModelIndex previous = m_hotIndex;
    m_hotIndex = index;
    m_delegate->setHotButton(index, button, pressed);
    if (previous.isValid() && previous != index)
        update(previous);
    if (index.isValid())
        update(index);
}

void ArchiveList::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    setHot(indexAt(pos), buttonAt(pos));
    QListView::mouseMoveEvent(event);
}

void ArchiveList::leaveEvent(QEvent *event)
{
    setHot({}, std::nullopt);
    QListView::leaveEvent(event);
}

void ArchiveList::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        m_pressedIndex = indexAt(pos);
        m_pressedButton = buttonAt(pos);
    }
    setHot(indexAt(pos), buttonAt(pos));
}

void ArchiveList::mouseReleaseEvent(QMouseEvent *event)
{
    QListView::mouseReleaseEvent(event);
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    const std::optional<ArchiveDelegate::Button> button = buttonAt(pos);
    const bool clicked = event->button() == Qt::LeftButton && button && button == m_pressedButton &&
                         index == m_pressedIndex;
    if (event->button() == Qt::LeftButton) {
        m_pressedIndex = QPersistentModelIndex();
        m_pressedButton.reset();
    }
    setHot(index, button);
    if (clicked)
        press(index, *button);
}

void ArchiveList::press(const QModelIndex &index, ArchiveDelegate::Button button)
{
    const QUuid id = m_model.cardID(index);
    if (id.isNull())
        return;
    if (button == ArchiveDelegate::Button::Restore)
        Q_EMIT restoreRequested(id);
    else
        Q_EMIT deleteRequested(id);
}

void ArchiveList::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            press(current, ArchiveDelegate::Button::Restore);
            return;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            press(current, ArchiveDelegate::Button::Delete);
            return;
        default:
            break;
        }
    }
    QListView::keyPressEvent(event);
}

void ArchiveList::contextMenuEvent(QContextMenuEvent *event)
{
    const bool keyboard = event->reason() == QContextMenuEvent::Keyboard;
    const QModelIndex index = keyboard ? currentIndex() : indexAt(event->pos());
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    auto *menu = new QMenu(this);
    menu->setObjectName(u"archiveRowMenu"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QPersistentModelIndex row(index);
    for (const auto button : {ArchiveDelegate::Button::Restore, ArchiveDelegate::Button::Delete}) {
        QAction *action = menu->addAction(ArchiveDelegate::text(button));
        action->setObjectName(button == ArchiveDelegate::Button::Restore
                                  ? u"archiveRestoreAction"_s
                                  : u"archiveDeleteAction"_s);
        connect(action, &QAction::triggered, this, [this, row, button] {
            if (row.isValid())
                press(row, button);
        });
    }
    const QPoint global =
        keyboard ? viewport()->mapToGlobal(visualRect(index).center()) : event->globalPos();
    menu->popup(global);
}
