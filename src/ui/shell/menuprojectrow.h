// SPDX-License-Identifier: MIT
#pragma once

#include "app/projectruntime.h"
#include "model/projectconfig.h"

#include <QWidget>

struct DeployService;
class ElidedLabel;
class StatusDot;

// One project in the tray panel: emoji, name over its git status, the git dot and, for a
// project that deploys to a service, the deploy dot. Informational: a click does
// nothing. A screen reader reads the name and the git status.
class MenuProjectRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MenuProjectRow)

public:
    explicit MenuProjectRow(QWidget *parent = nullptr);

    QUuid projectID() const { return m_project.id; }
    // Shows `project` with `runtime`; the texts are made now, in the current language.
    // `deploysTo`: the service the project deploys to, if any (its dot shows then).
    void setProject(const ProjectConfig &project, const ProjectRuntime &runtime,
                    const DeployService *deploysTo);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ProjectConfig m_project;
    ElidedLabel *m_emoji;
    ElidedLabel *m_name;
    ElidedLabel *m_git;
    StatusDot *m_gitDot;
    StatusDot *m_deployDot;
};
