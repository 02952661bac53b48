// SPDX-License-Identifier: MIT
#include "ui/components/projectlinks.h"

namespace ProjectLinks {

std::optional<QUrl> fromText(const std::optional<QString> &text)
{
    const QString trimmed = text.value_or(QString()).trimmed();
    if (trimmed.isEmpty() || trimmed.contains(u' '))
        return std::nullopt;
    QUrl url(trimmed, QUrl::StrictMode);
    if (url.isValid() && url.scheme().isEmpty())
        url = QUrl(QStringLiteral("https://") + trimmed, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return std::nullopt;
    const QString scheme = url.scheme().toLower();
    if ((scheme == u"http" || scheme == u"https") && url.host().isEmpty())
        return std::nullopt;
    return url;
}

std::optional<QUrl> website(const ProjectConfig &project)
{
    return fromText(project.siteURL);
}

std::optional<QUrl> gitHub(const ProjectConfig &project)
{
    return fromText(project.githubURL);
}

} // namespace ProjectLinks
