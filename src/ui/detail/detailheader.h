// SPDX-License-Identifier: MIT
#pragma once

#include "model/projectconfig.h"

#include <QWidget>

struct UiContext;
class ElidedLabel;
class IconButton;
class QPushButton;

// The top of a project's page: emoji, name and folder, and the quick actions (web site, GitHub,
// file manager, terminal, editor, edit), each only where it has something to open.
class DetailHeader final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DetailHeader)

public:
    explicit DetailHeader(UiContext &context, QWidget *parent = nullptr);

    void setProject(const ProjectConfig &project);

Q_SIGNALS:
    void editRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    QPushButton *addButton(const QString &objectName, const QString &symbol);
    void updateIcons();

    UiContext &m_context;
    ProjectConfig m_project;
    ElidedLabel *m_emoji;
    ElidedLabel *m_name;
    ElidedLabel *m_path;
    QList<std::pair<QPushButton *, QString>> m_buttons; // with their symbols
    QPushButton *m_web = nullptr;
    QPushButton *m_github = nullptr;
    QPushButton *m_files = nullptr;
    QPushButton *m_terminal = nullptr;
    QPushButton *m_editor = nullptr;
    IconButton *m_edit;
    class QHBoxLayout *m_actions;
};
