// SPDX-License-Identifier: MIT
#pragma once

#include "app/projectruntime.h"
#include "model/projectconfig.h"

#include <QDateTime>
#include <QWidget>

class StatusChip;

// A project's git chip, its deployment chip (when it deploys to Netlify or Vercel) and its
// GitHub chip (when there are open pull requests or checks), texts and colours by Presentation.
class StatusChipRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusChipRow)

public:
    explicit StatusChipRow(QWidget *parent = nullptr);

    StatusChip *gitChip() const { return m_git; }
    StatusChip *deployChip() const { return m_deploy; }
    StatusChip *gitHubChip() const { return m_github; }
    // Texts are made now, in the interface language; `now` words the deployment's age.
    void setStatus(const ProjectConfig &project, const ProjectRuntime &runtime,
                   const QDateTime &now);

private:
    StatusChip *m_git;
    StatusChip *m_deploy;
    StatusChip *m_github;
};
