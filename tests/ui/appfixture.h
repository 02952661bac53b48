// SPDX-License-Identifier: MIT
#pragma once

#include "support/fakedesktop.h"
#include "support/memorytokenstore.h"
#include "support/testenvironment.h"
#include "ui/shell/desktopapplication.h"
#include "ui/shell/mainwindow.h"

// The desktop application over a temporary data folder with the given global-shortcut backend
// and fakes for everything else, not started: nothing refreshes or asks the network.
class AppFixture final {
public:
    explicit AppFixture(std::unique_ptr<HotKeyBackend> hotKeys)
    {
        DesktopApplication::Options options;
        options.context.store = Store(env.dataDir());
        const QUrl nowhere(QStringLiteral("http://127.0.0.1:9"));
        options.context.endpoints = {nowhere, nowhere};
        for (DeployService &service : options.context.services.deploys)
            service.endpoint = nowhere;
        options.context.bus = QDBusConnection(QStringLiteral("no bus"));
        options.context.tokens = &tokens;
        options.hotKeys = std::move(hotKeys);
        options.desktop = desktop.desktop();
        app = std::make_unique<DesktopApplication>(nullptr, std::move(options));
    }

    bool windowShown() const { return app->mainWindow() && app->mainWindow()->isVisible(); }

    TestEnvironment env;
    MemoryTokenStore tokens;
    FakeDesktop desktop;
    std::unique_ptr<DesktopApplication> app;
};
