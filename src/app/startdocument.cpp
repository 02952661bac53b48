// SPDX-License-Identifier: MIT
#include "app/startdocument.h"

#include "app/adoption.h"
#include "app/seeding.h"

#include <QSet>

namespace StartDocument {

Opened open(const Store &store, const QDateTime &now, const QString &loginName,
            const QString &homeDir)
{
    Opened opened;
    StoreData document = StoreData::defaultDocument();
    Store::Loaded loaded = store.load(now);
    if (auto *data = std::get_if<StoreData>(&loaded)) {
        document = *data;
        opened.onDisk = std::move(*data);
    } else if (const auto *unreadable = std::get_if<Store::Unreadable>(&loaded)) {
        opened.unreadable = unreadable->message;
    }

    if (!document.didSeed) {
        // Projects already in an unseeded file stay; seed projects join them.
        document.projects += Seeding::seedProjects(loginName, homeDir);
        document.didSeed = true;
        opened.needsSave = true;
    }
    document = adoptedDocument(std::move(document));
    if (repairDuplicateIndices(document.projects))
        opened.needsSave = true;
    opened.document = std::move(document);
    return opened;
}

bool repairDuplicateIndices(QList<ProjectConfig> &projects)
{
    QSet<double> distinct;
    for (const ProjectConfig &project : std::as_const(projects))
        distinct.insert(project.sortIndex);
    if (projects.size() < 2 || distinct.size() == projects.size())
        return false;
    for (qsizetype i = 0; i < projects.size(); ++i)
        projects[i].sortIndex = double(i);
    return true;
}

} // namespace StartDocument
