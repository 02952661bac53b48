// SPDX-License-Identifier: MIT
#pragma once

#include "model/checklistitem.h"

#include <QWidget>

class ElidedLabel;
class IconButton;

// One checklist entry: a circle that ticks it off, its text (struck through when done) and a
// button that removes it.
class ChecklistRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChecklistRow)

public:
    explicit ChecklistRow(const ChecklistItem &item, QWidget *parent = nullptr);

    QUuid itemID() const { return m_item.id; }
    // The circle and the remove button, in Tab order.
    QList<QWidget *> controls() const;
    void setItem(const ChecklistItem &item);

Q_SIGNALS:
    void toggleRequested(const QUuid &itemID);
    void removeRequested(const QUuid &itemID);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void updateLook();

    ChecklistItem m_item;
    IconButton *m_circle;
    ElidedLabel *m_text;
    IconButton *m_remove;
};
