// SPDX-License-Identifier: MIT
#include "cli/addcommand.h"

#include "app/appmodel.h"
#include "app/seeding.h"
#include "cli/datafilereading.h"
#include "cli/githubremote.h"
#include "cli/terminal.h"
#include "model/projectinput.h"
#include "model/store.h"
#include "sources/httpconnections.h"
#include "sources/processrunner.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

// Another `add` holds the lock for a moment only; the desktop application for its whole life.
constexpr int lockWaitMs = 2000;

QString lockProblem(const QLockFile &lock)
{
    const QString path = Terminal::escaped(lock.fileName());
    switch (lock.error()) {
    case QLockFile::LockFailedError: {
        qint64 pid = 0;
        QString host;
        QString application;
        const QString holder = lock.getLockInfo(&pid, &host, &application)
                                   ? u"process %1 holds %2"_s.arg(pid).arg(path)
                                   : u"it holds %1"_s.arg(path);
        return u"the Quaylin application is running (%1); add the project there, or quit it "
               u"and try again"_s.arg(holder);
    }
    case QLockFile::PermissionError:
        return u"cannot create the lock file %1: permission denied"_s.arg(path);
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    return u"cannot create the lock file %1"_s.arg(path);
}

// What makes two paths the same folder: the canonical path of an existing one (links
// resolved), else the path cleaned.
QString folderIdentity(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

} // namespace

namespace AddCommand {

int run(const Options &options, const ServiceTable &services)
{
    QTextStream err(stderr);
    const QString typed = options.path.isEmpty() ? QDir::currentPath() : options.path;
    const std::variant<QString, ProjectInput::FolderProblem> folder =
        ProjectInput::folderPath(typed);
    if (const auto *problem = std::get_if<ProjectInput::FolderProblem>(&folder)) {
        if (*problem == ProjectInput::FolderProblem::Missing)
            err << "quaylin: nothing exists at " << Terminal::escaped(typed) << '\n';
        else
            err << "quaylin: " << Terminal::escaped(typed) << " is not a folder\n";
        return 1;
    }
    const QString path = std::get<QString>(folder);

    const Store store(Store::defaultDir());
    QLockFile lock(store.lockFilePath());
    if (!lock.tryLock(lockWaitMs)) {
        err << "quaylin: " << lockProblem(lock) << '\n';
        return 1;
    }

    const std::optional<StoreData> stored = DataFileReading::read(store, u"nothing written");
    if (!stored)
        return 1;
    const QString identity = folderIdentity(path);
    for (const ProjectConfig &project : stored->projects) {
        if (folderIdentity(project.localPath) == identity) {
            err << "quaylin: " << Terminal::escaped(path) << " is already tracked as "
                << Terminal::escaped(project.name) << '\n';
            return 1;
        }
    }

    ProjectConfig project;
    project.id = QUuid::createUuid();
    const QString name = options.name.value_or(QString()).trimmed();
    const QString folderName = QFileInfo(path).fileName();
    project.name = !name.isEmpty() ? name : !folderName.isEmpty() ? folderName : path;
    project.localPath = path;
    project.emoji = ProjectInput::emoji(options.emoji.value_or(QString()));
    project.siteURL = ProjectInput::optionalText(options.siteURL);
    project.githubURL = ProjectInput::optionalText(options.githubURL);
    for (const DeployService &service : services.deploys)
        project.*service.projectID =
            ProjectInput::optionalText(options.deployIDs.value(service.token.key));
    project.status = options.status;
    const bool githubFromOrigin = !options.githubURL;
    if (githubFromOrigin) {
        if (const std::optional<QString> remote = GitHubRemote::origin(path))
            project.githubURL = GitHubRemote::webAddress(*remote);
    }

    ProcessRunner runner;
    HttpConnections network;
    AppEnvironment environment;
    environment.store = store;
    environment.services = services;
    environment.processRunner = &runner;
    environment.network = &network;
    environment.loginName = Seeding::currentLoginName();
    environment.homeDir = QDir::homePath();
    AppModel model(std::move(environment));
    model.addProject(project);
    model.dataFile().waitForPendingSaves();
    if (const std::optional<QString> error = model.dataFile().saveError()) {
        err << "quaylin: the project was not added: " << Terminal::escaped(*error) << '\n';
        return 1;
    }

    QString added = u"Added "_s % project.emoji % u' ' % project.name % u": "_s % path;
    if (githubFromOrigin && project.githubURL)
        added += u" (GitHub "_s % *project.githubURL % u", from its origin remote)"_s;
    Terminal::writeOut((Terminal::escaped(added) % u'\n').toUtf8());
    return 0;
}

} // namespace AddCommand
