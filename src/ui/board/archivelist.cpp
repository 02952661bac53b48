// SPDX-License-Identifier: MIT
#include "ui/board/archivelist.h"

#include "ui/board/archivemodel.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

using namespace Qt::StringLiterals;

ArchiveList::ArchiveList(ArchiveModel &model, QWidget *parent)
    : ButtonRowsView(parent)
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
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
}

QRect ArchiveList::buttonRect(const QModelIndex &index, ArchiveDelegate::Button button) const
{
    const ArchiveDelegate::Layout parts = m_delegate->layout(visualRect(index), this);
    return button == ArchiveDelegate::Button::Restore ? parts.restore : parts.remove;
}

std::optional<int> ArchiveList::partAt(const QModelIndex &index, const QPoint &pos) const
{
    const auto button = m_delegate->buttonAt(visualRect(index), this, pos);
    return button ? std::optional(int(*button)) : std::nullopt;
}

void ArchiveList::showHot(const QModelIndex &index, std::optional<int> part, bool pressed)
{
    m_delegate->setHotButton(
        index, part ? std::optional(ArchiveDelegate::Button(*part)) : std::nullopt, pressed);
}

void ArchiveList::partClicked(const QModelIndex &index, int part)
{
    press(index, ArchiveDelegate::Button(part));
}

void ArchiveList::press(const QModelIndex &index, ArchiveDelegate::Button button)
{
    const QUuid id = m_model.rowID(index);
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
    ButtonRowsView::keyPressEvent(event);
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
