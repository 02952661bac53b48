// SPDX-License-Identifier: MIT
#pragma once

#include "model/checklistitem.h"

#include <QWidget>

class ChecklistList;
class ChecklistModel;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The card's checklist: heading with done / total, a green progress bar, the entries and a field
// that adds one (Return or the button; the field empties even when the text was blank).
class ChecklistSection final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChecklistSection)

public:
    explicit ChecklistSection(QWidget *parent = nullptr);

    QLineEdit *newItemField() const { return m_newItem; }
    ChecklistList *list() const { return m_list; }
    void setItems(const QList<ChecklistItem> &items);

Q_SIGNALS:
    void addRequested(const QString &text);
    void toggleRequested(const QUuid &itemID);
    void removeRequested(const QUuid &itemID);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void submit();
    void updateProgressColor();

    QLabel *m_heading;
    QLabel *m_count;
    QProgressBar *m_progress;
    ChecklistModel *m_model;
    ChecklistList *m_list;
    QLineEdit *m_newItem;
    QPushButton *m_add;
};
