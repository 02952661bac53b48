// SPDX-License-Identifier: MIT
#include "ui/board/cardlistview.h"

#include "ui/board/carddelegate.h"
#include "ui/board/cardlistmodel.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScrollArea>

namespace {

constexpr int minimumListHeight = 60;

} // namespace

CardListView::CardListView(CardListModel *model, CardDelegate *delegate, QWidget *parent)
    : QListView(parent)
    , m_model(model)
    , m_delegate(delegate)
{
    setModel(model);
    setItemDelegate(delegate);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(ScrollPerPixel);
    setResizeMode(Adjust);
    setSelectionMode(SingleSelection);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover);
    setDragEnabled(true);
    setDragDropMode(DragOnly);
    setDefaultDropAction(Qt::MoveAction);
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            Q_EMIT cardOpened(cardAt(index));
    });
    // A screen reader's toggle selects a tile without making it current, where a click or the
    // keyboard always does both: that selection is the reader's click and opens the card.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                const QModelIndexList chosen = selected.indexes();
                if (chosen.size() != 1 || chosen.first() == currentIndex())
                    return;
                setCurrentIndex(chosen.first());
                Q_EMIT cardOpened(cardAt(chosen.first()));
            });
    connect(model, &QAbstractItemModel::dataChanged, delegate, &CardDelegate::cardsChanged);
    const auto relayout = [this] { updateGeometry(); };
    connect(model, &QAbstractItemModel::rowsInserted, this, relayout);
    connect(model, &QAbstractItemModel::rowsRemoved, this, relayout);
    connect(model, &QAbstractItemModel::rowsMoved, this, relayout);
    connect(model, &QAbstractItemModel::modelReset, this, relayout);
    connect(delegate, &QAbstractItemDelegate::sizeHintChanged, this, relayout);
}

QUuid CardListView::cardAt(const QModelIndex &index) const
{
    return index.isValid() ? m_model->cardAt(index.row()).id : QUuid();
}

std::optional<QUuid> CardListView::currentCard() const
{
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return std::nullopt;
    return cardAt(index);
}

int CardListView::dropRowAt(const QPoint &point) const
{
    // Each row is its tile and the gap below it; a point in the gap is above the next tile.
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (visualRect(m_model->index(row)).bottom() - m_delegate->gap() >= point.y())
            return row;
    }
    return -1;
}

void CardListView::setDropTarget(const std::optional<QUuid> &cardID)
{
    m_delegate->setDropTarget(cardID);
    viewport()->update();
}

int CardListView::heightForWidth(int width) const
{
    int height = 0;
    for (int row = 0; row < m_model->rowCount(); ++row)
        height += m_delegate->rowHeight(m_model->cardAt(row), width);
    return height > 0 ? qMax(height, minimumListHeight) : 0;
}

QSize CardListView::sizeHint() const
{
    const int width = QListView::sizeHint().width();
    return {width, heightForWidth(this->width() > 0 ? this->width() : width)};
}

QSize CardListView::minimumSizeHint() const
{
    // Never squeezed below its tiles, or it would start scrolling on its own.
    return {0, heightForWidth(width())};
}

void CardListView::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        updateGeometry(); // the tiles wrap differently: another height
}

void CardListView::scrollTo(const QModelIndex &index, ScrollHint)
{
    // Only the page scrolls, and only for the keyboard's moves.
    if (!index.isValid() || !hasFocus())
        return;
    for (QWidget *ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        auto *page = qobject_cast<QScrollArea *>(ancestor);
        if (!page || !page->widget())
            continue;
        const QRect rect = visualRect(index);
        const QPoint center = viewport()->mapTo(page->widget(), rect.center());
        page->ensureVisible(center.x(), center.y(), 0, rect.height() / 2 + 12);
        return;
    }
}

void CardListView::keyPressEvent(QKeyEvent *event)
{
    const std::optional<QUuid> card = currentCard();
    if (card && event->modifiers() == Qt::ControlModifier) {
        static constexpr std::pair<int, CardShift> shifts[] = {
            {Qt::Key_Left, CardShift::Left},
            {Qt::Key_Right, CardShift::Right},
            {Qt::Key_Up, CardShift::Up},
            {Qt::Key_Down, CardShift::Down},
        };
        for (const auto &[key, shift] : shifts) {
            if (event->key() == key) {
                Q_EMIT shiftRequested(*card, shift);
                return;
            }
        }
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (card) {
            Q_EMIT cardOpened(*card);
            return;
        }
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (card) {
            Q_EMIT deleteRequested(*card);
            return;
        }
        break;
    default:
        break;
    }
    QListView::keyPressEvent(event);
}

void CardListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListView::currentChanged(current, previous);
    // A move's announcement is for the moment the card arrives, not for later visits.
    m_model->clearAnnouncement();
}

void CardListView::contextMenuEvent(QContextMenuEvent *event)
{
    QModelIndex index =
        event->reason() == QContextMenuEvent::Keyboard ? currentIndex() : indexAt(event->pos());
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    QPoint global = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard)
        global = viewport()->mapToGlobal(visualRect(index).center());
    Q_EMIT menuRequested(cardAt(index), global);
}

void CardListView::wheelEvent(QWheelEvent *event)
{
    event->ignore(); // the page scrolls
}

void CardListView::focusInEvent(QFocusEvent *event)
{
    QListView::focusInEvent(event);
    viewport()->update();
}

void CardListView::focusOutEvent(QFocusEvent *event)
{
    QListView::focusOutEvent(event);
    m_model->clearAnnouncement();
    viewport()->update();
}
