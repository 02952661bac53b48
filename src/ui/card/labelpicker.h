// SPDX-License-Identifier: MIT
#pragma once

#include "model/cardlabel.h"

#include <QList>
#include <QUuid>
#include <QWidget>

class Capsule;
class FlowLayout;

// Every label of the model, in the model's order, as chips that wrap into rows; the ones the
// card carries are filled. Clicking a chip toggles that label on the card.
class LabelPicker final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LabelPicker)

public:
    explicit LabelPicker(QWidget *parent = nullptr);

    // Rebuilds the chips only when the labels differ from those shown.
    void setLabels(const QList<CardLabel> &labels);
    void setCarried(const QList<QUuid> &labelIDs);

Q_SIGNALS:
    void toggled(const QUuid &labelID);

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateLooks();

    FlowLayout *m_layout;
    QList<CardLabel> m_labels;
    QList<Capsule *> m_chips;
    QList<QUuid> m_carried;
};
