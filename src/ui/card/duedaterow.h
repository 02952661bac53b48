// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QWidget>

#include <optional>

class QCheckBox;
class QDateEdit;

// The due-date switch and, while it is on, a date picker in the interface language. The row
// remembers the date it last showed (at first the card's, else the moment it opened): switching
// off and on again restores it, and a picked day keeps that moment's time of day.
class DueDateRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DueDateRow)

public:
    explicit DueDateRow(const QDateTime &opened, QWidget *parent = nullptr);

    QCheckBox *toggle() const { return m_toggle; }
    QDateEdit *picker() const { return m_picker; }
    QDateTime shownDate() const { return m_date; }
    // The card's due date as the model has it now.
    void setDueDate(const std::optional<QDateTime> &due);

Q_SIGNALS:
    void changed(const std::optional<QDateTime> &due);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showDate();

    QCheckBox *m_toggle;
    QDateEdit *m_picker;
    QDateTime m_date;
};
