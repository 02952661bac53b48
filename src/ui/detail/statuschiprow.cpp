// SPDX-License-Identifier: MIT
#include "ui/detail/statuschiprow.h"

#include "app/deployservice.h"
#include "app/presentation.h"
#include "ui/components/statuschip.h"

#include <QHBoxLayout>

using namespace Qt::StringLiterals;

StatusChipRow::StatusChipRow(QWidget *parent)
    : QWidget(parent)
    , m_git(new StatusChip(u"arrow.triangle.branch"_s, u"Git"_s, StatusColor::Gray, {}, this))
    , m_deploy(new StatusChip(u"cloud"_s, {}, StatusColor::Gray, {}, this))
    , m_github(new StatusChip(u"checkmark.seal"_s, u"GitHub"_s, StatusColor::Gray, {}, this))
{
    m_git->setObjectName(u"gitChip"_s);
    m_deploy->setObjectName(u"deployChip"_s);
    m_github->setObjectName(u"gitHubChip"_s);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(m_git);
    layout->addWidget(m_deploy);
    layout->addWidget(m_github);
    layout->addStretch(1);
}

void StatusChipRow::setStatus(const DeployService *deploysTo, const ProjectRuntime &runtime,
                              const QDateTime &now)
{
    m_git->setDetail(Presentation::gitLabel(runtime.git));
    m_git->setStatus(Presentation::gitColor(runtime.git));

    m_deploy->setVisible(deploysTo != nullptr);
    if (deploysTo)
        m_deploy->setTitle(deploysTo->token.title);
    m_deploy->setDetail(Presentation::deployLabel(runtime.deploy, now));
    m_deploy->setStatus(Presentation::deployColor(runtime.deploy));

    const bool github = Presentation::showsGitHub(runtime.github);
    m_github->setVisible(github);
    if (github) {
        m_github->setDetail(Presentation::gitHubLabel(*runtime.github));
        m_github->setStatus(Presentation::gitHubColor(*runtime.github));
    }
}
