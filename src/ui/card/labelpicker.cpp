// SPDX-License-Identifier: MIT
#include "ui/card/labelpicker.h"

#include "ui/components/capsule.h"
#include "ui/components/colors.h"
#include "ui/components/flowlayout.h"
#include "ui/components/taborder.h"
#include "ui/components/typography.h"

#include <QEvent>

LabelPicker::LabelPicker(QWidget *parent)
    : QWidget(parent)
    , m_layout(new FlowLayout(6, this))
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void LabelPicker::setLabels(const QList<CardLabel> &labels)
{
    if (labels == m_labels)
        return;
    m_labels = labels;
    // Later: the click that changed a label may still be on its way through a chip.
    for (Capsule *chip : std::as_const(m_chips)) {
        chip->hide();
        chip->deleteLater();
    }
    m_chips.clear();
    while (QLayoutItem *item = m_layout->takeAt(0))
        delete item;
    for (const CardLabel &label : labels) {
        auto *chip = new Capsule(label.name, Capsule::Role::Button, this);
        chip->setObjectName(QStringLiteral("cardLabelChip"));
        chip->setFont(Typography::font(11, QFont::Medium));
        chip->setPadding(QSize(10, 5));
        chip->setCheckable(true);
        const QUuid id = label.id;
        connect(chip, &Capsule::clicked, this, [this, id] { Q_EMIT toggled(id); });
        m_layout->addWidget(chip);
        m_chips.append(chip);
    }
    // New chips join the Tab order where the picker stands, not after the sheet's footer.
    TabOrder::insertAt(this, {m_chips.cbegin(), m_chips.cend()});
    updateLooks();
}

void LabelPicker::setCarried(const QList<QUuid> &labelIDs)
{
    m_carried = labelIDs;
    updateLooks();
}

void LabelPicker::updateLooks()
{
    for (qsizetype i = 0; i < m_chips.size(); ++i) {
        const QColor color = Colors::named(m_labels[i].colorName, palette());
        m_chips[i]->setLook({Colors::withAlpha(color, 0.15), color});
        m_chips[i]->setCheckedLook({Colors::withAlpha(color, 0.85), Qt::white});
        m_chips[i]->setChecked(m_carried.contains(m_labels[i].id));
    }
}

void LabelPicker::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        updateLooks();
    QWidget::changeEvent(event);
}
