// SPDX-License-Identifier: MIT
#include "ui/board/cardlistmodel.h"

#include "app/appmodel.h"
#include "app/cardqueries.h"
#include "ui/board/cardorder.h"

#include <QMimeData>
#include <QSet>

CardListModel::CardListModel(AppModel &model, KanbanColumn column, QObject *parent)
    : QAbstractListModel(parent)
    , m_model(model)
    , m_column(column)
    , m_labels(model.labels())
{
    connect(&m_model, &AppModel::cardsChanged, this, &CardListModel::reload);
    connect(&m_model, &AppModel::labelsChanged, this, &CardListModel::onLabelsChanged);
}

void CardListModel::setProject(const QUuid &projectID)
{
    beginResetModel();
    m_projectID = projectID;
    m_cards = CardOrder::visible(CardQueries::column(m_model.cards(), m_projectID, m_column),
                                 m_filter, m_sortMode);
    endResetModel();
}

void CardListModel::setFilter(const CardFilter &filter)
{
    if (m_filter == filter)
        return;
    m_filter = filter;
    reload();
}

void CardListModel::setSortMode(KanbanSortMode mode)
{
    if (m_sortMode == mode)
        return;
    m_sortMode = mode;
    reload();
}

int CardListModel::rowOf(const QUuid &cardID) const
{
    for (qsizetype row = 0; row < m_cards.size(); ++row) {
        if (m_cards[row].id == cardID)
            return int(row);
    }
    return -1;
}

void CardListModel::reload()
{
    applyRows(CardOrder::visible(CardQueries::column(m_model.cards(), m_projectID, m_column),
                                 m_filter, m_sortMode));
}

// Turns the current rows into `cards` by removing, moving and inserting rows, then reports the
// rows whose card differs. Runs of neighbouring rows go in one call each.
void CardListModel::applyRows(const QList<TaskCard> &cards)
{
    QSet<QUuid> wanted;
    wanted.reserve(cards.size());
    for (const TaskCard &card : cards)
        wanted.insert(card.id);
    for (int row = int(m_cards.size()) - 1; row >= 0;) {
        if (wanted.contains(m_cards[row].id)) {
            --row;
            continue;
        }
        int first = row;
        while (first > 0 && !wanted.contains(m_cards[first - 1].id))
            --first;
        beginRemoveRows({}, first, row);
        m_cards.remove(first, row - first + 1);
        endRemoveRows();
        row = first - 1;
    }

    // What was shown before; rows inserted below are never looked up again.
    QSet<QUuid> present;
    present.reserve(m_cards.size());
    for (const TaskCard &shown : std::as_const(m_cards))
        present.insert(shown.id);
    QList<int> changed;
    for (int row = 0; row < cards.size();) {
        const TaskCard &card = cards[row];
        if (row < m_cards.size() && m_cards[row].id == card.id) {
            if (!(m_cards[row] == card)) {
                m_cards[row] = card;
                changed.append(row);
            }
            ++row;
            continue;
        }
        int from = -1;
        for (int candidate = row + 1; candidate < m_cards.size(); ++candidate) {
            if (m_cards[candidate].id == card.id) {
                from = candidate;
                break;
            }
        }
        if (from >= 0) {
            beginMoveRows({}, from, from, {}, row);
            m_cards.move(from, row);
            endMoveRows();
            continue; // compared on the next turn, now that it stands at `row`
        }
        int last = row;
        while (last + 1 < cards.size() && !present.contains(cards[last + 1].id))
            ++last;
        beginInsertRows({}, row, last);
        for (int inserted = row; inserted <= last; ++inserted)
            m_cards.insert(inserted, cards[inserted]);
        endInsertRows();
        row = last + 1;
    }

    for (int row : std::as_const(changed))
        Q_EMIT dataChanged(index(row), index(row));
}

void CardListModel::onLabelsChanged()
{
    const QList<CardLabel> labels = m_model.labels();
    QSet<QUuid> touched;
    for (const CardLabel &label : labels) {
        if (!m_labels.contains(label))
            touched.insert(label.id);
    }
    for (const CardLabel &label : std::as_const(m_labels)) {
        if (!labels.contains(label))
            touched.insert(label.id);
    }
    // Order counts too: tiles show labels in the model's order.
    const bool reordered = touched.isEmpty() && labels != m_labels;
    m_labels = labels;
    for (int row = 0; row < m_cards.size(); ++row) {
        const QList<QUuid> &ids = m_cards[row].labelIDs;
        const bool affected =
            reordered
                ? ids.size() > 1
                : std::ranges::any_of(ids, [&](const QUuid &id) { return touched.contains(id); });
        if (affected)
            Q_EMIT dataChanged(index(row), index(row));
    }
}

int CardListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_cards.size());
}

QVariant CardListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TaskCard &card = m_cards[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return card.title;
    case Qt::AccessibleDescriptionRole:
        if (m_announcement && m_announcement->first == card.id)
            return m_announcement->second;
        return card.note;
    case CardRole:
        return QVariant::fromValue(card);
    case IdRole:
        return card.id;
    default:
        return {};
    }
}

Qt::ItemFlags CardListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled | Qt::ItemNeverHasChildren;
}

QStringList CardListModel::mimeTypes() const
{
    return {QString::fromLatin1(mimeType)};
}

QMimeData *CardListModel::mimeData(const QModelIndexList &indexes) const
{
    if (indexes.isEmpty() || !indexes.first().isValid())
        return nullptr;
    auto *data = new QMimeData;
    data->setText(m_cards[indexes.first().row()].id.toString(QUuid::WithoutBraces).toUpper());
    return data;
}

Qt::DropActions CardListModel::supportedDragActions() const
{
    return Qt::MoveAction;
}

Qt::DropActions CardListModel::supportedDropActions() const
{
    return Qt::MoveAction | Qt::CopyAction;
}

std::optional<QUuid> CardListModel::droppedCardID(const QMimeData *data)
{
    if (!data || !data->hasText())
        return std::nullopt;
    const QString text = data->text().split(QLatin1Char('\n')).constFirst().trimmed();
    const QUuid id = QUuid::fromString(text);
    if (id.isNull())
        return std::nullopt;
    return id;
}

bool CardListModel::canDropMimeData(const QMimeData *data, Qt::DropAction action, int, int,
                                    const QModelIndex &) const
{
    return (action == Qt::MoveAction || action == Qt::CopyAction) &&
           droppedCardID(data).has_value();
}

bool CardListModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                                 const QModelIndex &parent)
{
    if (!canDropMimeData(data, action, row, 0, parent))
        return false;
    const QUuid id = *droppedCardID(data);
    // On a card: before it. Between rows: before the row below. Elsewhere: the end.
    std::optional<QUuid> before;
    if (parent.isValid() && parent.model() == this)
        before = m_cards.value(parent.row()).id;
    else if (row >= 0 && row < m_cards.size())
        before = m_cards[row].id;
    if (before == id)
        return false; // onto itself: it stays where it is
    m_model.moveCard(id, m_column, before);
    return true;
}

void CardListModel::announce(const QUuid &cardID, const QString &text)
{
    clearAnnouncement();
    m_announcement = {cardID, text};
    const int row = rowOf(cardID);
    if (row >= 0)
        Q_EMIT dataChanged(index(row), index(row), {Qt::AccessibleDescriptionRole});
}

void CardListModel::clearAnnouncement()
{
    if (!m_announcement)
        return;
    const int row = rowOf(m_announcement->first);
    m_announcement.reset();
    if (row >= 0)
        Q_EMIT dataChanged(index(row), index(row), {Qt::AccessibleDescriptionRole});
}

bool CardListModel::removeRows(int, int, const QModelIndex &)
{
    return false;
}
