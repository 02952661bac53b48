// SPDX-License-Identifier: MIT
#pragma once

#include "app/servicetable.h"
#include "app/standardservices.h"
#include "model/store.h"
#include "sources/serviceendpoints.h"

#include <QDateTime>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

class Preferences;
class ProcessRunner;
class HttpConnections;
class TokenStore;

// What the application model reads from and writes to, passed in so tests can use fakes.
struct AppEnvironment {
    Store store{Store::defaultDir()};
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
    ProcessRunner *processRunner = nullptr; // required
    HttpConnections *network = nullptr;     // required
    ServiceTable services = StandardServices::table();
    ServiceEndpoints endpoints = ServiceEndpoints::fromEnvironment();
    TokenStore *tokens = nullptr;             // none: no keychain, tokens stay absent
    const Preferences *preferences = nullptr; // none: the defaults (no auto-archive)
    // Posts the deploy-failed notification (project name, error message).
    std::function<void(const QString &, const std::optional<QString> &)> notifyDeployFailed;
    // Posts the notification that a project's production deploy works again (project name).
    std::function<void(const QString &)> notifyDeployFixed;
    // How often deployments on their way are read again.
    std::chrono::milliseconds deployFollowUpInterval = std::chrono::seconds(20);
    QString loginName; // for first-run seeding
    QString homeDir;
};
