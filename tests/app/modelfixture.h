// SPDX-License-Identifier: MIT
#pragma once

#include "app/appmodel.h"
#include "sources/processrunner.h"
#include "support/testenvironment.h"

#include <QNetworkAccessManager>

#include <memory>

inline ProjectConfig makeProject(const QString &name,
                                 const QString &path = QStringLiteral("/nowhere"),
                                 double sortIndex = 0, std::optional<QUuid> folder = std::nullopt)
{
    ProjectConfig project;
    project.id = QUuid::createUuid();
    project.name = name;
    project.localPath = path;
    project.sortIndex = sortIndex;
    project.folderID = folder;
    return project;
}

// A model over a temporary data folder with a clock the test moves by hand.
class ModelFixture final {
public:
    ModelFixture() { clock = QDateTime(QDate(2026, 12, 6), QTime(10, 0), Qt::UTC); }

    AppEnvironment environment()
    {
        AppEnvironment env;
        env.store = Store(environmentDir.dataDir());
        env.now = [this] { return clock; };
        env.processRunner = &runner;
        env.network = &network;
        env.endpoints = ServiceEndpoints::fromEnvironment();
        env.notifyDeployFailed = [this](const QString &name,
                                        const std::optional<QString> &message) {
            notifications.append({name, message});
        };
        env.loginName = QStringLiteral("someone");
        env.homeDir = environmentDir.root() + QStringLiteral("/home");
        return env;
    }

    AppModel &open()
    {
        model = std::make_unique<AppModel>(environment());
        return *model;
    }

    QString dataFile() const { return environmentDir.dataDir() + QStringLiteral("/store.json"); }

    TestEnvironment environmentDir;
    QDateTime clock;
    ProcessRunner runner;
    QNetworkAccessManager network;
    QList<std::pair<QString, std::optional<QString>>> notifications;
    std::unique_ptr<AppModel> model;
};
