// SPDX-License-Identifier: MIT
#include "ui/card/checklistlist.h"

#include "ui/card/checklistmodel.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QScrollArea>
#include <QToolTip>

using namespace Qt::StringLiterals;

ChecklistList::ChecklistList(ChecklistModel &model, QWidget *parent)
    : ButtonRowsView(parent)
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

std::optional<int> ChecklistList::partAt(const QModelIndex &index, const QPoint &pos) const
{
    const auto part = ChecklistDelegate::partAt(visualRect(index), pos);
    return part ? std::optional(int(*part)) : std::nullopt;
}

void ChecklistList::showHot(const QModelIndex &index, std::optional<int> part, bool pressed)
{
    m_delegate->setHotPart(
        index, part ? std::optional(ChecklistDelegate::Part(*part)) : std::nullopt, pressed);
    viewport()->setCursor(part ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ChecklistList::partClicked(const QModelIndex &index, int part)
{
    press(index, ChecklistDelegate::Part(part));
}

bool ChecklistList::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        if (partUnder(help->pos()) == int(ChecklistDelegate::Part::Remove))
            QToolTip::showText(help->globalPos(), m_removeHelp, viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return ButtonRowsView::viewportEvent(event);
}

void ChecklistList::press(const QModelIndex &index, ChecklistDelegate::Part part)
{
    const QUuid id = m_model.rowID(index);
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
    ButtonRowsView::keyPressEvent(event);
}

void ChecklistList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    ButtonRowsView::currentChanged(current, previous);
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
