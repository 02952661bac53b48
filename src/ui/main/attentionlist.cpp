// SPDX-License-Identifier: MIT
#include "ui/main/attentionlist.h"

#include "ui/components/colors.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/emojipainter.h"
#include "ui/components/focusring.h"
#include "ui/components/symbols.h"
#include "ui/components/typography.h"
#include "ui/main/attentionmodel.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;

namespace {

constexpr int padding = 6;
constexpr int emojiWidth = 22;
constexpr int gap = 8;
constexpr int chevronSize = 11;
constexpr qreal radius = 6;

QFont nameFont()
{
    return Typography::font(13, QFont::Medium);
}

QFont reasonFont()
{
    return Typography::font(12);
}

class AttentionDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return {option.rect.width(), AttentionList::rowHeight};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QPalette &colors = option.palette;
        const QRectF row(option.rect);
        const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
        if (option.state & QStyle::State_MouseOver) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(Colors::quaternaryFill(colors));
            painter->drawRoundedRect(row, radius, radius);
        }
        if (view && (option.state & QStyle::State_HasFocus) && FocusRing::shows(*view)) {
            painter->setPen(QPen(Colors::withAlpha(Colors::accent(colors), 0.8), 1.5));
            painter->setBrush(Qt::NoBrush);
            painter->drawRoundedRect(row.adjusted(1, 1, -1, -1), radius, radius);
        }

        qreal x = row.left() + padding;
        EmojiPainter::paint(*painter, QRectF(x, row.top(), emojiWidth + 4, row.height()),
                            index.data(AttentionModel::EmojiRole).toString(), 15,
                            Colors::primary(colors));
        x += emojiWidth + gap;

        const qreal chevronX = row.right() - padding - chevronSize;
        Symbols::paint(
            *painter,
            QRectF(chevronX, row.center().y() - chevronSize / 2.0, chevronSize, chevronSize),
            u"chevron.right"_s, Colors::tertiary(colors));
        // The name gets what it asks for up to 60 % of the room; the reason the rest.
        const qreal room = chevronX - gap - x;
        const QFontMetrics nameMetrics(nameFont());
        const QFontMetrics reasonMetrics(reasonFont());
        const QString name = ElidedLabel::singleLine(index.data().toString());
        const QString reason = index.data(AttentionModel::ReasonRole).toString();
        const qreal nameWidth = qMax(
            0.0, qMin<qreal>(nameMetrics.horizontalAdvance(name) + 1,
                             qMax(room * 0.6, room - reasonMetrics.horizontalAdvance(reason))));
        painter->setFont(nameFont());
        painter->drawText(QRectF(x, row.top(), nameWidth, row.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          ElidedLabel::elided(name, nameMetrics, int(nameWidth)));
        x += nameWidth + gap;
        const qreal reasonWidth = qMax(0.0, chevronX - gap - x);
        painter->setFont(reasonFont());
        painter->setPen(Colors::secondary(colors));
        painter->drawText(QRectF(x, row.top(), reasonWidth, row.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          ElidedLabel::elided(reason, reasonMetrics, int(reasonWidth)));
        painter->restore();
    }
};

} // namespace

AttentionList::AttentionList(AttentionModel &model, QWidget *parent)
    : QListView(parent)
{
    setObjectName(u"attentionList"_s);
    setModel(&model);
    setItemDelegate(new AttentionDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    viewport()->setAttribute(Qt::WA_Hover);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        Q_EMIT projectActivated(index.data(AttentionModel::ProjectIdRole).toUuid());
    });
    connect(&model, &QAbstractItemModel::rowsInserted, this, &AttentionList::fitHeight);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, &AttentionList::fitHeight);
    fitHeight();
}

void AttentionList::fitHeight()
{
    setFixedHeight(model()->rowCount() * rowHeight);
}

QSize AttentionList::sizeHint() const
{
    return {200, model()->rowCount() * rowHeight};
}

QSize AttentionList::minimumSizeHint() const
{
    return {0, model()->rowCount() * rowHeight};
}

void AttentionList::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
         event->key() == Qt::Key_Space) &&
        currentIndex().isValid()) {
        Q_EMIT projectActivated(currentIndex().data(AttentionModel::ProjectIdRole).toUuid());
        return;
    }
    QListView::keyPressEvent(event);
}
