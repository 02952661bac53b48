// SPDX-License-Identifier: MIT
#include "ui/board/kanbancolumnview.h"

#include "app/appmodel.h"
#include "app/presentation.h"
#include "i18n/localization.h"
#include "ui/board/carddelegate.h"
#include "ui/board/cardlistmodel.h"
#include "ui/board/cardlistview.h"
#include "ui/board/columnbadge.h"
#include "ui/board/columnplaceholder.h"
#include "ui/board/edgescroller.h"
#include "ui/board/quickaddfield.h"
#include "ui/components/capsule.h"
#include "ui/components/colors.h"
#include "ui/components/iconbutton.h"
#include "ui/components/typography.h"

#include <QDragEnterEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal radius = 12;

QColor mixed(const QColor &from, const QColor &to, qreal amount)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * amount),
                            float(from.greenF() + (to.greenF() - from.greenF()) * amount),
                            float(from.blueF() + (to.blueF() - from.blueF()) * amount),
                            float(from.alphaF() + (to.alphaF() - from.alphaF()) * amount));
}

} // namespace

KanbanColumnView::KanbanColumnView(AppModel &model, KanbanColumn column, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_column(column)
    , m_cards(new CardListModel(model, column, this))
    , m_delegate(new CardDelegate(model, this))
    , m_list(new CardListView(m_cards, m_delegate, this))
    , m_title(new QLabel(this))
    , m_count(new Capsule({}, Capsule::Role::Display, this))
    , m_placeholder(new ColumnPlaceholder(column, this))
    , m_scroller(new EdgeScroller(this))
{
    const QString raw = KanbanColumns::rawValue(column);
    setObjectName(raw + u"Column"_s);
    m_list->setObjectName(raw + u"CardList"_s);
    m_placeholder->setObjectName(raw + u"Placeholder"_s);
    m_count->setObjectName(raw + u"Count"_s);
    setAcceptDrops(true);
    setAttribute(Qt::WA_Hover, false);

    auto *badge = new ColumnBadge(column, this);
    m_title->setFont(Typography::font(12.5, QFont::DemiBold));
    m_count->setFont(Typography::font(10.5, QFont::Bold));
    m_count->setPadding(QSize(7, 1));

    auto *header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(8);
    header->addWidget(badge);
    header->addWidget(m_title);
    header->addWidget(m_count);
    header->addStretch(1);
    if (column == KanbanColumn::Idea) {
        m_addButton = new IconButton(u"plus"_s, {}, this);
        m_addButton->setObjectName(u"addCardButton"_s);
        header->addWidget(m_addButton);
        connect(m_addButton, &IconButton::clicked, this, &KanbanColumnView::startAdding);

        m_quickAdd = new QuickAddField(Colors::column(column, palette()), this);
        m_quickAdd->hide();
        connect(m_quickAdd, &QuickAddField::submitted, this, &KanbanColumnView::submitNewCard);
        connect(m_quickAdd, &QuickAddField::cancelled, this, &KanbanColumnView::stopAdding);
    } else {
        // Keeps the header rows of the three columns equally tall.
        header->addSpacing(IconButton().sizeHint().width());
        header->addStrut(IconButton().sizeHint().height());
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addLayout(header);
    if (m_quickAdd)
        layout->addWidget(m_quickAdd);
    layout->addWidget(m_list);
    layout->addWidget(m_placeholder);
    layout->addStretch(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    m_highlight.setDuration(150);
    m_highlight.setEasingCurve(QEasingCurve::OutCubic);
    m_highlight.setStartValue(0.0);
    m_highlight.setEndValue(1.0);
    connect(&m_highlight, &QVariantAnimation::valueChanged, this, [this] { update(); });

    connect(m_list, &CardListView::cardOpened, this, &KanbanColumnView::cardOpened);
    connect(m_list, &CardListView::deleteRequested, this, &KanbanColumnView::deleteRequested);
    connect(m_list, &CardListView::menuRequested, this, &KanbanColumnView::menuRequested);
    connect(m_list, &CardListView::shiftRequested, this, &KanbanColumnView::shiftRequested);
    connect(m_cards, &QAbstractItemModel::rowsInserted, this, &KanbanColumnView::updateContent);
    connect(m_cards, &QAbstractItemModel::rowsRemoved, this, &KanbanColumnView::updateContent);
    connect(m_cards, &QAbstractItemModel::modelReset, this, &KanbanColumnView::updateContent);

    updateColors();
    retranslate();
    updateContent();
}

void KanbanColumnView::setProject(const QUuid &projectID)
{
    stopAdding();
    m_cards->setProject(projectID);
}

void KanbanColumnView::startAdding()
{
    if (!m_quickAdd)
        return;
    m_adding = true;
    m_quickAdd->show();
    updateContent();
    m_quickAdd->lineEdit()->setFocus(Qt::OtherFocusReason);
}

void KanbanColumnView::stopAdding()
{
    if (!m_quickAdd || !m_adding)
        return;
    m_adding = false;
    m_quickAdd->lineEdit()->clear();
    m_quickAdd->hide();
    updateContent();
}

void KanbanColumnView::submitNewCard(const QString &text)
{
    const QString title = text.trimmed();
    if (title.isEmpty()) {
        stopAdding();
        return;
    }
    m_model.addCard(m_cards->projectID(), title, {}, m_column);
    m_quickAdd->lineEdit()->clear();
    m_quickAdd->lineEdit()->setFocus(Qt::OtherFocusReason);
}

void KanbanColumnView::updateContent()
{
    const int count = m_cards->rowCount();
    m_count->setText(QString::number(count));
    m_list->setVisible(count > 0);
    m_placeholder->setVisible(count == 0 && !m_adding);
    m_list->updateGeometry();
}

void KanbanColumnView::retranslate()
{
    m_title->setText(Presentation::title(m_column));
    m_list->setAccessibleName(Presentation::title(m_column));
    m_placeholder->setText(m_column == KanbanColumn::Idea ? L(u"Přidej úkol tlačítkem +"_s)
                                                          : L(u"Přetáhni sem kartu"_s));
    if (m_addButton)
        m_addButton->setHelp(L(u"Přidat úkol"_s));
    if (m_quickAdd)
        m_quickAdd->setPlaceholderText(L(u"Název úkolu…"_s));
    m_list->viewport()->update();
}

void KanbanColumnView::updateColors()
{
    const QColor color = Colors::column(m_column, palette());
    m_count->setLook({Colors::withAlpha(color, 0.15), color});
    if (m_quickAdd)
        m_quickAdd->setTint(color);
}

void KanbanColumnView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        updateColors();
    else if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void KanbanColumnView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette &colors = palette();
    const QColor color = Colors::column(m_column, colors);
    const QColor primary = Colors::primary(colors);
    const qreal amount = m_highlight.currentValue().toReal();
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    QLinearGradient rest(box.topLeft(), box.bottomLeft());
    rest.setColorAt(0,
                    mixed(Colors::withAlpha(color, 0.05), Colors::withAlpha(color, 0.1), amount));
    rest.setColorAt(1,
                    mixed(Colors::withAlpha(primary, 0.02), Colors::withAlpha(color, 0.1), amount));
    painter.setBrush(rest);
    painter.setPen(
        QPen(mixed(Colors::withAlpha(primary, 0.05), Colors::withAlpha(color, 0.5), amount), 1));
    painter.drawRoundedRect(box, radius, radius);
}

std::pair<int, bool> KanbanColumnView::dropPlace(const QPoint &point, const QMimeData *data) const
{
    const std::optional<QUuid> dragged = CardListModel::droppedCardID(data);
    if (!dragged)
        return {-1, false};
    int row = -1;
    if (m_list->isVisible()) {
        const QPoint inList = m_list->viewport()->mapFrom(this, point);
        if (m_list->viewport()->rect().contains(inList))
            row = m_list->dropRowAt(inList);
    }
    const bool ontoItself = row >= 0 && m_cards->cardAt(row).id == *dragged;
    return {row, !ontoItself};
}

void KanbanColumnView::setTargeted(bool targeted)
{
    if (m_targeted == targeted)
        return;
    m_targeted = targeted;
    m_highlight.stop();
    m_highlight.setStartValue(m_highlight.currentValue().isValid() ? m_highlight.currentValue()
                                                                   : QVariant(0.0));
    m_highlight.setEndValue(targeted ? 1.0 : 0.0);
    m_highlight.start();
}

void KanbanColumnView::dragEnterEvent(QDragEnterEvent *event)
{
    if (!CardListModel::droppedCardID(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    setTargeted(true);
    dragMoveEvent(event);
}

void KanbanColumnView::dragMoveEvent(QDragMoveEvent *event)
{
    const QPoint point = event->position().toPoint();
    const auto [row, allowed] = dropPlace(point, event->mimeData());
    m_list->setDropTarget(row >= 0 && allowed ? std::optional(m_cards->cardAt(row).id)
                                              : std::nullopt);
    m_scroller->dragMoved(this, point);
    if (allowed) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void KanbanColumnView::dragLeaveEvent(QDragLeaveEvent *)
{
    endDrag();
}

void KanbanColumnView::dropEvent(QDropEvent *event)
{
    const auto [row, allowed] = dropPlace(event->position().toPoint(), event->mimeData());
    endDrag();
    const QModelIndex target = row >= 0 ? m_cards->index(row) : QModelIndex();
    if (allowed && m_cards->dropMimeData(event->mimeData(), Qt::MoveAction, -1, -1, target)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void KanbanColumnView::endDrag()
{
    m_scroller->stop();
    m_list->setDropTarget(std::nullopt);
    setTargeted(false);
}
