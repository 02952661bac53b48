// SPDX-License-Identifier: MIT
#include "ui/board/labelfilterbar.h"

#include "ui/components/capsule.h"
#include "ui/components/colors.h"
#include "ui/components/taborder.h"
#include "ui/components/typography.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QWheelEvent>

LabelFilterBar::LabelFilterBar(QWidget *parent)
    : QScrollArea(parent)
    , m_row(new QWidget(this))
    , m_layout(new QHBoxLayout(m_row))
{
    m_layout->setContentsMargins(2, 2, 2, 2);
    m_layout->setSpacing(6);
    m_layout->addStretch(1);
    setWidget(m_row);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus); // the chips take the focus
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(false);
    m_row->setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void LabelFilterBar::setLabels(const QList<CardLabel> &labels)
{
    if (labels == m_labels)
        return;
    m_labels = labels;
    qDeleteAll(m_chips);
    m_chips.clear();
    for (const CardLabel &label : labels) {
        auto *chip = new Capsule(label.name, Capsule::Role::Button, m_row);
        chip->setObjectName(QStringLiteral("labelFilterChip"));
        chip->setFont(Typography::font(10.5, QFont::Medium));
        chip->setPadding(QSize(9, 3));
        chip->setCheckable(true);
        const QUuid id = label.id;
        connect(chip, &Capsule::clicked, this, [this, id] {
            Q_EMIT activeChosen(m_active == id ? std::nullopt : std::optional(id));
        });
        m_layout->insertWidget(m_layout->count() - 1, chip);
        m_chips.append(chip);
    }
    // New chips join the Tab order after the search field, not after the columns.
    TabOrder::insertAt(this, {m_chips.cbegin(), m_chips.cend()});
    updateLooks();
    updateGeometry();
}

void LabelFilterBar::setActive(const std::optional<QUuid> &labelID)
{
    m_active = labelID;
    updateLooks();
}

void LabelFilterBar::updateLooks()
{
    for (qsizetype i = 0; i < m_chips.size(); ++i) {
        const QColor color = Colors::named(m_labels[i].colorName, palette());
        m_chips[i]->setLook({Colors::withAlpha(color, 0.15), color});
        m_chips[i]->setCheckedLook({Colors::withAlpha(color, 0.85), Qt::white});
        m_chips[i]->setChecked(m_active == m_labels[i].id);
    }
}

QSize LabelFilterBar::sizeHint() const
{
    return {m_row->sizeHint().width(), m_row->sizeHint().height()};
}

QSize LabelFilterBar::minimumSizeHint() const
{
    return {0, m_row->sizeHint().height()};
}

void LabelFilterBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        updateLooks();
    QScrollArea::changeEvent(event);
}

void LabelFilterBar::wheelEvent(QWheelEvent *event)
{
    // A vertical wheel scrolls the chips sideways while they overflow; else the page scrolls.
    QScrollBar *bar = horizontalScrollBar();
    if (bar->maximum() == 0) {
        event->ignore();
        return;
    }
    const QPoint delta = event->angleDelta();
    bar->setValue(bar->value() - (delta.x() != 0 ? delta.x() : delta.y()) / 2);
    event->accept();
}
