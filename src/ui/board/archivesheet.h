// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QList>
#include <QUuid>

struct UiContext;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

// The archived cards of one project, newest first, each to restore or delete for good.
class ArchiveSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArchiveSheet)

public:
    ArchiveSheet(UiContext &context, const QUuid &projectID, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void rebuild();
    void retranslate();

    UiContext &m_context;
    QUuid m_projectID;
    QLabel *m_title;
    QPushButton *m_close;
    QLabel *m_empty;
    QScrollArea *m_scroll = nullptr;
    QVBoxLayout *m_rows;
    // What the rows show, to rebuild them only when it changes.
    QList<std::tuple<QUuid, QString, int>> m_shown;
};
