// SPDX-License-Identifier: MIT
#include "app/appcontext.h"

#include "app/livegit.h"
#include "app/seeding.h"
#include "services/appversion.h"
#include "sources/keychaintokenstore.h"
#include "sources/pathwatcher.h"

#include <QDir>

AppContext::AppContext(Options options, QObject *parent)
    : QObject(parent)
    , m_notifications(options.bus)
{
    if (!options.preferences) {
        m_ownPreferences = std::make_unique<Preferences>();
        options.preferences = m_ownPreferences.get();
    }
    m_preferences = options.preferences;
    // Before the model: it words the texts of the cards it makes at start.
    m_language = std::make_unique<LanguageSwitch>(*m_preferences);
    if (!options.tokens) {
        m_keychain = std::make_unique<KeychainTokenStore>();
        options.tokens = m_keychain.get();
    }
    AppEnvironment environment;
    environment.store = options.store;
    environment.processRunner = &m_runner;
    environment.network = &m_network;
    environment.services = options.services;
    environment.endpoints = options.endpoints;
    environment.tokens = options.tokens;
    environment.preferences = options.preferences;
    environment.notifyDeployFailed = [this](const QString &name,
                                            const std::optional<QString> &message) {
        m_notifications.notifyDeployFailed(name, message);
    };
    environment.notifyDeployFixed = [this](const QString &name) {
        m_notifications.notifyDeployFixed(name);
    };
    environment.loginName = Seeding::currentLoginName();
    environment.homeDir = QDir::homePath();
    m_model = std::make_unique<AppModel>(std::move(environment));
    m_updateChecker = std::make_unique<UpdateChecker>(m_network, options.endpoints.updateManifest,
                                                      AppVersion::current(), *m_preferences);
}

AppContext::~AppContext() = default;

void AppContext::start()
{
    m_updateChecker->checkForUpdate();
    m_notifications.requestAuthorizationIfNeeded();
    m_model->start();
    m_liveGit = std::make_unique<LiveGit>(*m_model, std::make_unique<FileSystemPathWatcher>());
}
