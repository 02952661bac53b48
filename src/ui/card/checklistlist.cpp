// SPDX-License-Identifier: MIT
#include "ui/card/checklistlist.h"

#include "ui/card/checklistmodel.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <QToolTip>

using namespace Qt::StringLiterals;

ChecklistList::ChecklistList(ChecklistModel &model, QWidget *parent)
    : QListView(parent)
    , m_model(model)
    , m_delegate(new ChecklistDelegate(this))
{
    setObjectName(u"checklistItems"_s);
    setModel(&model);
    setItemDelegate(m_delegate);
    // Every row is as high as the others: thousands of entries lay out at once.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&model, signal, this, [this] { updateGeometry(); });
    connect(&model, &QAbstractItemModel::modelReset, this, [this] { updateGeometry(); });
}

QSize ChecklistList::sizeHint() const
{
    return {QListView::sizeHint().width(),
            m_model.rowCount() * ChecklistDelegate::rowHeight + 2 * frameWidth()};
}

QRect ChecklistList::partRect(const QModelIndex &index, ChecklistDelegate::Part part) const
{
    const ChecklistDelegate::Layout parts = ChecklistDelegate::layout(visualRect(index));
    return part == ChecklistDelegate::Part::Toggle ? parts.toggle : parts.remove;
}

std::optional<ChecklistDelegate::Part> ChecklistList::partAt(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? ChecklistDelegate::partAt(visualRect(index), pos) : std::nullopt;
}

void ChecklistList::setHot(const QModelIndex &index, std::optional<ChecklistDelegate::Part> part)
{
    const bool pressed = part && m_pressedPart == part && m_pressedIndex == index;
    const QModelIndex previous = m_hotIndex;
    m_hotIndex = index;
    m_delegate->setHotPart(index, part, pressed);
    viewport()->setCursor(part ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (previous.isValid() && previous != index)
        update(previous);
    if (index.isValid())
        update(index);
}

bool ChecklistList::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        if (partAt(help->pos()) == ChecklistDelegate::Part::Remove)
            QToolTip::showText(help->globalPos(), m_removeHelp, viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QListView::viewportEvent(event);
}

void ChecklistList::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    setHot(indexAt(pos), partAt(pos));
    QListView::mouseMoveEvent(event);
}

void ChecklistList::leaveEvent(QEvent *event)
{
    setHot({}, std::nullopt);
    QListView::leaveEvent(event);
}

void ChecklistList::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        m_pressedIndex = indexAt(pos);
        m_pressedPart = partAt(pos);
    }
    setHot(indexAt(pos), partAt(pos));
}

void ChecklistList::mouseReleaseEvent(QMouseEvent *event)
{
    QListView::mouseReleaseEvent(event);
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    const std::optional<ChecklistDelegate::Part> part = partAt(pos);
    const bool clicked = event->button() == Qt::LeftButton && part && part == m_pressedPart &&
                         index == m_pressedIndex;
    if (event->button() == Qt::LeftButton) {
        m_pressedIndex = QPersistentModelIndex();
        m_pressedPart.reset();
    }
    setHot(index, part);
    if (clicked)
        press(index, *part);
}

void ChecklistList::press(const QModelIndex &index, ChecklistDelegate::Part part)
{
    const QUuid id = m_model.itemID(index);
    if (id.isNull())
        return;
    if (part == ChecklistDelegate::Part::Toggle)
        Q_EMIT toggleRequested(id);
    else
        Q_EMIT removeRequested(id);
}

void ChecklistList::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
        switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Select:
            press(current, ChecklistDelegate::Part::Toggle);
            return;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            press(current, ChecklistDelegate::Part::Remove);
            return;
        default:
            break;
        }
    }
    QListView::keyPressEvent(event);
}

void ChecklistList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListView::currentChanged(current, previous);
    if (!current.isValid())
        return;
    // The list does not scroll itself; the sheet around it brings the entry into view.
    for (QWidget *up = parentWidget(); up; up = up->parentWidget()) {
        if (auto *scroll = qobject_cast<QScrollArea *>(up); scroll && scroll->widget()) {
            const QRect row = visualRect(current);
            const QPoint center = viewport()->mapTo(scroll->widget(), row.center());
            scroll->ensureVisible(center.x(), center.y(), 0, row.height());
            break;
        }
    }
}
