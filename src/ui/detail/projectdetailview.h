// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QUuid>
#include <QWidget>

struct UiContext;
class CommitSuggestionSheet;
class DetailHeader;
class KanbanView;
class QScrollArea;
class QTimer;
class RowsBox;
class StatusChipRow;

// One project in full: header with quick actions, status chips, the kanban board, the deploy
// history and the recent commits, in one scrolling page. Follows the model live. While it is on
// screen it also offers the commit message for a card just finished.
class ProjectDetailView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProjectDetailView)

public:
    explicit ProjectDetailView(UiContext &context, QWidget *parent = nullptr);
    ~ProjectDetailView() override;

    QUuid projectID() const { return m_projectID; }
    void setProject(const QUuid &projectID);

    KanbanView *board() const { return m_board; }
    // The open commit suggestion, if any.
    CommitSuggestionSheet *commitSuggestionSheet() const;

Q_SIGNALS:
    // The edit button: the main window opens the project editor.
    void editRequested(const QUuid &projectID);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void retranslate();
    void refresh();
    void scheduleSuggestion();
    void showSuggestion();

    UiContext &m_context;
    QUuid m_projectID;
    QScrollArea *m_scroll;
    QWidget *m_content;
    DetailHeader *m_header;
    StatusChipRow *m_chips;
    KanbanView *m_board;
    RowsBox *m_deploys;
    RowsBox *m_commits;
    QPointer<CommitSuggestionSheet> m_suggestion;
    bool m_suggestionScheduled = false;
    QTimer *m_ticker; // re-words the relative times while shown
};
