// SPDX-License-Identifier: MIT
#pragma once

#include "ui/card/checklistdelegate.h"
#include "ui/components/buttonrowsview.h"

#include <QUuid>

#include <optional>

class ChecklistModel;

// The card's checklist entries in the sheet's flow: as tall as its rows (the sheet scrolls, not
// the list), one Tab stop for all of them. A click on an entry's circle ticks it off or on, one
// on its "xmark" removes it; from the keyboard the arrows pick an entry (the sheet scrolls to
// it), Space ticks it and Delete removes it. A screen reader reads each entry's text and whether
// it is done.
class ChecklistList final : public ButtonRowsView {
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
    std::optional<int> partAt(const QModelIndex &index, const QPoint &pos) const override;
    void showHot(const QModelIndex &index, std::optional<int> part, bool pressed) override;
    void partClicked(const QModelIndex &index, int part) override;
    bool viewportEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void press(const QModelIndex &index, ChecklistDelegate::Part part);

    ChecklistModel &m_model;
    ChecklistDelegate *m_delegate;
    QString m_removeHelp;
};
