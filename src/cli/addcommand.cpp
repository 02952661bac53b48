// SPDX-License-Identifier: MIT
#include "cli/addcommand.h"

#include "app/appmodel.h"
#include "app/seeding.h"
#include "model/projectemoji.h"
#include "model/store.h"
#include "sources/processrunner.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QNetworkAccessManager>
#include <QTextStream>

namespace AddCommand {

int run(const Options &options)
{
    QTextStream err(stderr);
    const QString typed = options.path.isEmpty() ? QDir::currentPath() : options.path;
    const QFileInfo info(typed);
    if (!info.exists()) {
        err << "quaylin: nothing exists at " << typed << '\n';
        return 1;
    }
    const QString path = QDir::cleanPath(info.absoluteFilePath());

    const Store store(Store::defaultDir());
    QLockFile lock(store.lockFilePath());
    if (!lock.tryLock(0)) {
        err << "quaylin: the Quaylin application is running; add the project there, or quit "
               "it and try again\n";
        return 1;
    }

    const Store::Loaded loaded = store.load(QDateTime::currentDateTimeUtc());
    if (const auto *unreadable = std::get_if<Store::Unreadable>(&loaded)) {
        err << "quaylin: the data file " << store.filePath() << " cannot be read ("
            << unreadable->message << "); nothing written\n";
        return 1;
    }
    if (const auto *data = std::get_if<StoreData>(&loaded)) {
        for (const ProjectConfig &project : data->projects) {
            if (QDir::cleanPath(project.localPath) == path) {
                err << "quaylin: " << path << " is already tracked as " << project.name << '\n';
                return 1;
            }
        }
    }

    ProjectConfig project;
    project.id = QUuid::createUuid();
    const QString name = options.name.value_or(QString()).trimmed();
    const QString folderName = QFileInfo(path).fileName();
    project.name = !name.isEmpty() ? name : !folderName.isEmpty() ? folderName : path;
    project.localPath = path;
    project.emoji = ProjectEmoji::fromTyped(options.emoji.value_or(QString()));

    ProcessRunner runner;
    QNetworkAccessManager network;
    AppEnvironment environment;
    environment.store = store;
    environment.processRunner = &runner;
    environment.network = &network;
    environment.loginName = Seeding::currentLoginName();
    environment.homeDir = QDir::homePath();
    AppModel model(std::move(environment));
    model.addProject(project);
    return 0;
}

} // namespace AddCommand
