// SPDX-License-Identifier: MIT
#pragma once

#include "model/cardlabel.h"

#include <QList>
#include <QScrollArea>
#include <QUuid>

#include <optional>

class Capsule;
class QHBoxLayout;

// The chips of the labels a board uses, in one row that scrolls sideways (no scroll bar). The
// chip of the active filter is filled; clicking it clears the filter, clicking another makes it
// the filter.
class LabelFilterBar final : public QScrollArea {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LabelFilterBar)

public:
    explicit LabelFilterBar(QWidget *parent = nullptr);

    // Rebuilds the chips only when the labels differ from those shown.
    void setLabels(const QList<CardLabel> &labels);
    QList<CardLabel> labels() const { return m_labels; }
    std::optional<QUuid> active() const { return m_active; }
    void setActive(const std::optional<QUuid> &labelID);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The user picked a chip (or cleared the filter by clicking the active one).
    void activeChosen(const std::optional<QUuid> &labelID);

protected:
    void changeEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void updateLooks();

    QWidget *m_row;
    QHBoxLayout *m_layout;
    QList<CardLabel> m_labels;
    QList<Capsule *> m_chips;
    std::optional<QUuid> m_active;
};
