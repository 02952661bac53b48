// SPDX-License-Identifier: MIT
#pragma once

#include "app/projectruntime.h"

#include <QDateTime>
#include <QWidget>

class StatusChip;
struct DeployService;

// A project's git chip, its deployment chip (when it deploys to a service, titled by it) and
// its GitHub chip (when there are open pull requests or checks), texts and colours by
// Presentation.
class StatusChipRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusChipRow)

public:
    explicit StatusChipRow(QWidget *parent = nullptr);

    StatusChip *gitChip() const { return m_git; }
    StatusChip *deployChip() const { return m_deploy; }
    StatusChip *gitHubChip() const { return m_github; }
    // Texts are made now, in the interface language; `now` words the deployment's age.
    // `deploysTo`: the service the project deploys to, if any.
    void setStatus(const DeployService *deploysTo, const ProjectRuntime &runtime,
                   const QDateTime &now);

private:
    StatusChip *m_git;
    StatusChip *m_deploy;
    StatusChip *m_github;
};
