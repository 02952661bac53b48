// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QUuid>

struct UiContext;
class ArchiveList;
class ArchiveModel;
class QLabel;
class QPushButton;

// The archived cards of one project, last finished first, each to restore or delete for good.
// However many there are, the list paints only the rows in view.
class ArchiveSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArchiveSheet)

public:
    ArchiveSheet(UiContext &context, const QUuid &projectID, QWidget *parent = nullptr);

    ArchiveList *list() const { return m_list; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void syncEmpty();

    UiContext &m_context;
    ArchiveModel *m_model;
    QLabel *m_title;
    QPushButton *m_close;
    QLabel *m_empty;
    ArchiveList *m_list;
};
