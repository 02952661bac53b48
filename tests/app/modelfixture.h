// SPDX-License-Identifier: MIT
#pragma once

#include "app/appmodel.h"
#include "model/recordjson.h"
#include "services/languageswitch.h"
#include "services/preferences.h"
#include "sources/processrunner.h"
#include "support/testenvironment.h"

#include "sources/httpconnections.h"

#include <memory>

using namespace Qt::StringLiterals;

inline ProjectConfig makeProject(const QString &name, double sortIndex = 0,
                                 std::optional<QUuid> folder = {},
                                 const QString &path = u"/nowhere"_s)
{
    ProjectConfig project;
    project.id = QUuid::createUuid();
    project.name = name;
    project.localPath = path;
    project.sortIndex = sortIndex;
    project.folderID = folder;
    return project;
}

// Writes a data file holding `projects` and returns its bytes.
inline QByteArray writeDocument(const QString &file, const QList<ProjectConfig> &projects,
                                bool didSeed = true)
{
    StoreData document = StoreData::defaultDocument();
    document.projects = projects;
    document.didSeed = didSeed;
    const QByteArray bytes = RecordJson::encodeDocument(document);
    if (!writeFile(file, bytes))
        qFatal("could not write the data file");
    return bytes;
}

// A model over a temporary data folder with a clock the test moves by hand.
class ModelFixture final {
public:
    AppEnvironment environment()
    {
        return {
            .store = Store(environmentDir.dataDir()),
            .now = [this] { return clock; },
            .processRunner = &runner,
            .network = &network,
            .preferences = &preferences,
            .notifyDeployFailed =
                [this](const QString &name, const std::optional<QString> &text) {
                    notifications.append({name, text});
                },
            .notifyDeployFixed = [this](const QString &name) { fixedNotifications.append(name); },
            .loginName = u"someone"_s,
            .homeDir = environmentDir.root() + u"/home"_s};
    }

    // A fresh model; the previous one first finishes its saves and goes.
    AppModel &open()
    {
        model.reset();
        model = std::make_unique<AppModel>(environment());
        return *model;
    }

    QString dataFile() const { return environmentDir.dataDir() + u"/store.json"_s; }

    // Chooses the interface language as the settings sheet does; every window has
    // retranslated when it returns.
    void switchLanguage(AppLanguage language)
    {
        preferences.setLanguage(language);
        deliverLanguageChange();
    }

    TestEnvironment environmentDir;
    Preferences preferences; // after environmentDir: reads the temporary settings
    LanguageSwitch language{preferences};
    QDateTime clock{QDate(2026, 12, 6), QTime(10, 0), Qt::UTC};
    ProcessRunner runner;
    HttpConnections network;
    QList<std::pair<QString, std::optional<QString>>> notifications;
    QStringList fixedNotifications;
    std::unique_ptr<AppModel> model;
};
