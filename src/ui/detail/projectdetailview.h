// SPDX-License-Identifier: MIT
#pragma once

#include <QUuid>
#include <QWidget>

struct UiContext;

// One project in full: header with quick actions, status chips, the kanban board, the deploy
// history and the recent commits. Follows the model live.
class ProjectDetailView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProjectDetailView)

public:
    explicit ProjectDetailView(UiContext &context, QWidget *parent = nullptr);
    ~ProjectDetailView() override;

    QUuid projectID() const { return m_projectID; }
    void setProject(const QUuid &projectID);

Q_SIGNALS:
    // The edit button: the main window opens the project editor.
    void editRequested(const QUuid &projectID);

private:
    UiContext &m_context;
    QUuid m_projectID;
};
