// SPDX-License-Identifier: MIT
#include "ui/components/projectlinks.h"

#include "sources/webaddress.h"

namespace ProjectLinks {

std::optional<QUrl> website(const ProjectConfig &project)
{
    return WebAddress::parse(project.siteURL.value_or(QString()));
}

std::optional<QUrl> gitHub(const ProjectConfig &project)
{
    return WebAddress::parse(project.githubURL.value_or(QString()));
}

} // namespace ProjectLinks
