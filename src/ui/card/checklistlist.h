// SPDX-License-Identifier: MIT
#pragma once

#include "ui/card/checklistdelegate.h"

#include <QListView>
#include <QPersistentModelIndex>
#include <QUuid>

#include <optional>

class ChecklistModel;

// The card's checklist entries in the sheet's flow: as tall as its rows (the sheet scrolls, not
// the list), one Tab stop for all of them. A click on an entry's circle ticks it off or on, one
// on its "xmark" removes it; from the keyboard the arrows pick an entry (the sheet scrolls to
// it), Space ticks it and Delete removes it. A screen reader reads each entry's text and whether
// it is done.
class ChecklistList final : public QListView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChecklistList)

public:
    explicit ChecklistList(ChecklistModel &model, QWidget *parent = nullptr);

    // Where `part` of the row at `index` is, in viewport coordinates.
    QRect partRect(const QModelIndex &index, ChecklistDelegate::Part part) const;
    // The remove button's tooltip (given already translated).
    void setRemoveHelp(const QString &help) { m_removeHelp = help; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void toggleRequested(const QUuid &itemID);
    void removeRequested(const QUuid &itemID);

protected:
    bool viewportEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    std::optional<ChecklistDelegate::Part> partAt(const QPoint &pos) const;
    void setHot(const QModelIndex &index, std::optional<ChecklistDelegate::Part> part);
    void press(const QModelIndex &index, ChecklistDelegate::Part part);

    ChecklistModel &m_model;
    ChecklistDelegate *m_delegate;
    QString m_removeHelp;
    QPersistentModelIndex m_hotIndex;
    // Where the left button went down: a click is a press and release on one part.
    QPersistentModelIndex m_pressedIndex;
    std::optional<ChecklistDelegate::Part> m_pressedPart;
};
