// SPDX-License-Identifier: MIT
#pragma once

#include "app/appmodel.h"
#include "app/servicetable.h"
#include "app/standardservices.h"
#include "model/store.h"
#include "services/languageswitch.h"
#include "services/notificationmanager.h"
#include "services/preferences.h"
#include "services/updatechecker.h"
#include "sources/httpconnections.h"
#include "sources/processrunner.h"
#include "sources/serviceendpoints.h"

#include <QDBusConnection>
#include <QObject>

#include <memory>

class LiveGit;
class TokenStore;

// What the desktop application keeps for its whole life, made in the order start-up needs:
// the interface language of the preferences, the application model (which loads, seeds and
// saves the data file at once), then the update checker. A deployment that fails reaches the
// desktop as a notification.
class AppContext final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppContext)

public:
    struct Options {
        Store store{Store::defaultDir()};
        ServiceTable services = StandardServices::table();
        ServiceEndpoints endpoints = ServiceEndpoints::fromEnvironment();
        QDBusConnection bus = QDBusConnection::sessionBus();
        TokenStore *tokens = nullptr;       // none: the system keychain
        Preferences *preferences = nullptr; // none: the user's preferences file
    };

    explicit AppContext(Options options, QObject *parent = nullptr);
    ~AppContext() override;

    // Checks for an update once, asks whether notifications may be shown, and starts the
    // model's refreshes (git at once, then the tokens and a full refresh, then every ten
    // minutes), and watches the repositories for changes in between. Nothing waits for them.
    void start();

    Preferences &preferences() { return *m_preferences; }
    AppModel &model() { return *m_model; }
    UpdateChecker &updateChecker() { return *m_updateChecker; }
    NotificationManager &notifications() { return m_notifications; }

private:
    ProcessRunner m_runner;
    HttpConnections m_network;
    std::unique_ptr<TokenStore> m_keychain;
    std::unique_ptr<Preferences> m_ownPreferences;
    Preferences *m_preferences = nullptr;
    std::unique_ptr<LanguageSwitch> m_language;
    NotificationManager m_notifications;
    std::unique_ptr<AppModel> m_model;
    std::unique_ptr<UpdateChecker> m_updateChecker;
    std::unique_ptr<LiveGit> m_liveGit; // from start() on
};
