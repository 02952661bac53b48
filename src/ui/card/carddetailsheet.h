// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QString>
#include <QUuid>

#include <functional>
#include <optional>

struct UiContext;
class ChecklistSection;
class CoverPicker;
class DueDateRow;
class LabelPicker;
class NoteField;
class PriorityPicker;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
struct TaskCard;
class TimerRow;

// One card in full, edited in place: every control writes to the model at once, there is no
// save step. The sheet holds only the card's id and shows the model's current record; title and
// description are loaded when it opens and again only when they change elsewhere (an undo). If
// the card disappears meanwhile, the sheet says so and offers nothing else.
class CardDetailSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CardDetailSheet)

public:
    CardDetailSheet(UiContext &context, const QUuid &cardID, QWidget *parent = nullptr);
    ~CardDetailSheet() override;

    QUuid cardID() const { return m_cardID; }
    bool showsDeletedCard() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void refresh();
    // The card's title (cut), or the field's placeholder while it is empty.
    void updateWindowTitle();
    // Applies `change` to the model's current record and stores it.
    void edit(const std::function<void(TaskCard &)> &change);
    QLabel *heading();
    QWidget *buildContent();
    QWidget *buildFooter();

    UiContext &m_context;
    QUuid m_cardID;
    QStackedWidget *m_pages;
    QLabel *m_deleted;
    QLineEdit *m_title;
    QLabel *m_coverHeading;
    CoverPicker *m_cover;
    QLabel *m_priorityHeading;
    PriorityPicker *m_priority;
    QLabel *m_labelsHeading;
    LabelPicker *m_labels;
    DueDateRow *m_due;
    TimerRow *m_timer;
    QLabel *m_noteHeading;
    NoteField *m_note;
    ChecklistSection *m_checklist;
    QPushButton *m_archive;
    QPushButton *m_delete;
    QPushButton *m_done;
    // The texts the fields were last given or typed, to tell a change made elsewhere.
    std::optional<QString> m_shownTitle;
    std::optional<QString> m_shownNote;
};
