// SPDX-License-Identifier: MIT
#include "app/seeding.h"

#include <QFileInfo>
#include <QtGlobal>

namespace {

struct SeedEntry {
    const char16_t *name;
    const char16_t *folder;
    const char16_t *siteURL;
    const char16_t *githubURL;
    const char16_t *netlifySiteID;
    const char16_t *emoji;
};

constexpr SeedEntry seedTable[] = {
    {u"Portfolio", u"portfolio", u"https://portfolio.example.com",
     u"https://github.com/quaylin-demo/portfolio", u"portfolio-demo", u"🎨"},
    {u"Blog", u"blog", u"https://blog.example.com", u"https://github.com/quaylin-demo/blog",
     u"blog-demo", u"✍️"},
    {u"Recepty", u"recepty", u"https://recepty.example.com",
     u"https://github.com/quaylin-demo/recepty", u"recepty-demo", u"🍲"},
    {u"Fotky", u"fotky", u"https://fotky.example.com", u"https://github.com/quaylin-demo/fotky",
     u"fotky-demo", u"📷"},
    {u"Kalendář", u"kalendar", u"https://kalendar.example.com",
     u"https://github.com/quaylin-demo/kalendar", u"kalendar-demo", u"📅"},
    {u"Landing", u"landing", u"https://landing.example.com",
     u"https://github.com/quaylin-demo/landing", u"landing-demo", u"🚀"},
};

} // namespace

namespace Seeding {

QList<ProjectConfig> seedProjects(const QString &loginName, const QString &homeDir)
{
    QList<ProjectConfig> projects;
    if (loginName != QLatin1String(demoAccount))
        return projects;
    const QString base = homeDir + QStringLiteral("/Documents/Quaylin-demo");
    for (const SeedEntry &entry : seedTable) {
        const QString path = base + u'/' + QString::fromUtf16(entry.folder);
        if (!QFileInfo::exists(path))
            continue;
        ProjectConfig project;
        project.id = QUuid::createUuid();
        project.name = QString::fromUtf16(entry.name);
        project.localPath = path;
        project.siteURL = QString::fromUtf16(entry.siteURL);
        project.githubURL = QString::fromUtf16(entry.githubURL);
        project.netlifySiteID = QString::fromUtf16(entry.netlifySiteID);
        project.emoji = QString::fromUtf16(entry.emoji);
        projects.append(project);
    }
    return projects;
}

QString currentLoginName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("LOGNAME");
    return name;
}

} // namespace Seeding
