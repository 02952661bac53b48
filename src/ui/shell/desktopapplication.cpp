// SPDX-License-Identifier: MIT
#include "ui/shell/desktopapplication.h"

#include "app/unsavedcopies.h"
#include "model/store.h"
#include "ui/desktop/globalhotkeymanager.h"
#include "ui/desktop/hotkeybackend.h"
#include "ui/desktop/hotkeychord.h"
#include "ui/desktop/statusnotifierhost.h"
#include "ui/desktop/uicontext.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/quitconfirmation.h"
#include "ui/shell/singleinstance.h"
#include "ui/shell/terminationsignals.h"
#include "ui/shell/trayicon.h"

#include <QApplication>
#include <QSystemTrayIcon>
#include <QTextStream>

#include <chrono>

using namespace Qt::StringLiterals;

namespace {

// How long a start at login waits for the panel's tray before making the icon anyway.
constexpr auto trayHostPatience = std::chrono::seconds(30);

// Qt aborts when it finds no display; tell the user what works without one instead.
bool hasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

DesktopApplication::DesktopApplication(std::unique_ptr<SingleInstance> instance, Options options,
                                       QObject *parent)
    : QObject(parent)
    , m_instance(std::move(instance))
    , m_context(std::make_unique<AppContext>(std::move(options.context)))
{
    if (!options.desktop) {
        m_systemDesktop = std::make_unique<SystemDesktop>();
        options.desktop = m_systemDesktop->desktop();
    }
    m_hotKey = std::make_unique<GlobalHotKeyManager>(options.hotKeys ? std::move(options.hotKeys)
                                                                     : makeSystemHotKeyBackend());
    m_hotKey->setChord(HotKeyChord::fromStored(m_context->preferences().globalHotkey()));
    m_ui = std::make_unique<UiContext>(m_context->model(), m_context->updateChecker(),
                                       m_context->preferences(), *options.desktop, *m_hotKey);
    m_startedAtLogin = options.startedAtLogin;
    if (!m_startedAtLogin)
        makeTray();

    connect(m_hotKey.get(), &GlobalHotKeyManager::activated, this,
            &DesktopApplication::toggleMainWindow);
    if (m_instance)
        connect(m_instance.get(), &SingleInstance::showRequested, this,
                &DesktopApplication::showMainWindow);
}

DesktopApplication::~DesktopApplication()
{
    // Windows go before the objects they show.
    m_window.reset();
    m_tray.reset();
}

void DesktopApplication::start()
{
    if (m_instance && !m_instance->listen())
        QTextStream(stderr) << "quaylin: a second launch will not reach this one\n";
    m_context->start();
    if (m_context->preferences().globalHotkeyEnabled())
        m_hotKey->registerHotKey();
    if (m_tray) {
        showTray();
        return;
    }
    m_trayHost = new StatusNotifierHost(QDBusConnection::sessionBus(), this);
    connect(m_trayHost, &StatusNotifierHost::settled, this, [this] {
        m_trayHost->deleteLater();
        m_trayHost = nullptr;
        makeTray();
        showTray();
    });
    m_trayHost->waitUntilReady(trayHostPatience);
}

void DesktopApplication::makeTray()
{
    m_tray = std::make_unique<TrayIcon>(*m_ui);
    connect(m_tray.get(), &TrayIcon::openMainWindowRequested, this,
            &DesktopApplication::showMainWindow);
    connect(m_tray.get(), &TrayIcon::quitRequested, this, &DesktopApplication::quit);
}

void DesktopApplication::showTray()
{
    // Shown even without a tray: it appears by itself when an X11 tray starts later.
    m_tray->show();
    if (!m_startedAtLogin && !QSystemTrayIcon::isSystemTrayAvailable())
        showMainWindow();
}

void DesktopApplication::showMainWindow()
{
    if (!m_window) {
        m_window = std::make_unique<MainWindow>(*m_ui);
        connect(m_window.get(), &MainWindow::quitRequested, this, &DesktopApplication::quit);
    }
    m_window->bringToFront();
}

void DesktopApplication::toggleMainWindow()
{
    if (m_window && m_window->isShown())
        m_window->hide();
    else
        showMainWindow();
}

void DesktopApplication::quit()
{
    const auto end = [this] {
        Q_EMIT quitting();
        QCoreApplication::quit();
    };
    if (m_context->model().dataFile().saveAgain()) {
        end();
        return;
    }
    QWidget *parent = m_window && m_window->isShown() ? m_window.get() : nullptr;
    QuitConfirmation::ask(parent, m_context->model(), *m_ui->desktop.files, end);
}

void DesktopApplication::terminate()
{
    AppModel &model = m_context->model();
    if (!model.dataFile().saveAgain()) {
        const UnsavedCopies::Written copy = UnsavedCopies::write(model, model.now());
        QTextStream err(stderr);
        if (copy.result.ok())
            err << "quaylin: the changes could not be saved (" << *model.dataFile().saveError()
                << "); a copy is in " << copy.path << '\n';
        else
            err << "quaylin: the changes could not be saved, nor a copy: " << *copy.result.error
                << '\n';
    }
    Q_EMIT quitting();
    QCoreApplication::quit();
}

void DesktopApplication::finish()
{
    m_context->model().dataFile().waitForPendingSaves();
}

int DesktopApplication::exec(int argc, char *argv[], bool atLogin)
{
    if (!hasDisplay()) {
        QTextStream(stderr) << "quaylin: no display to open the application on; "
                               "`quaylin status` shows every project in this terminal\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(u"app.quaylin.Quaylin"_s);
    QApplication::setWindowIcon(TrayIcon::iconFor(u"sailboat.fill"_s));

    auto instance = std::make_unique<SingleInstance>(Store(Store::defaultDir()).dir());
    switch (instance->claim()) {
    case SingleInstance::Claim::Forwarded:
        return 0;
    case SingleInstance::Claim::Failed:
        QTextStream(stderr) << "quaylin: Quaylin is already running but does not answer\n";
        return 1;
    case SingleInstance::Claim::First:
        break;
    }

    Options options;
    options.startedAtLogin = atLogin;
    DesktopApplication desktop(std::move(instance), std::move(options));
    TerminationSignals termination;
    connect(&termination, &TerminationSignals::received, &desktop, &DesktopApplication::terminate);
    desktop.start();
    const int status = QApplication::exec();
    desktop.finish();
    return status;
}
