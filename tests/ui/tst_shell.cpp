// SPDX-License-Identifier: MIT
// The desktop application in one process: tray icon, panel, main window, menu and shortcut,
// over a model with a loopback deployment service. Run again on X11 and on Wayland, with a
// fake panel on a private session bus, for the tray item that StatusNotifierItem hosts show.
#include "app/modelfixture.h"
#include "app/unsavedcopies.h"
#include "support/fakedeployservice.h"
#include "support/fakedesktop.h"
#include "support/fakehotkeybackend.h"
#include "support/fakeservice.h"
#include "support/fakestatusnotifierwatcher.h"
#include "support/memorytokenstore.h"
#include "ui/components/capsule.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/iconbutton.h"
#include "ui/components/statusdot.h"
#include "ui/desktop/globalhotkeymanager.h"
#include "ui/editor/projecteditor.h"
#include "ui/main/mainview.h"
#include "ui/settings/settingssheet.h"
#include "ui/shell/desktopapplication.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/menubarview.h"
#include "ui/shell/menuprojectrow.h"
#include "ui/shell/trayicon.h"

#include <QAbstractAnimation>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDBusAbstractInterface>
#include <QDBusArgument>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <chrono>

namespace {

constexpr auto failedDeploy =
    R"([{"id": "d1", "state": "error", "created_at": "2026-12-06T09:00:00Z"}])";
constexpr auto readyDeploy =
    R"([{"id": "d2", "state": "ready", "created_at": "2026-12-06T09:30:00Z"}])";

QString deployPath(const QString &site)
{
    return u"/api/v1/sites/"_s + site + u"/deploys"_s;
}

// The desktop application over a temporary data folder, with fakes for everything outside.
class Shell final {
public:
    explicit Shell(const QList<ProjectConfig> &projects = {})
    {
        writeDocument(env.dataDir() + u"/store.json"_s, projects);
        tokens.items.insert(StandardServices::netlify().token.keychainItem, u"token"_s);
    }

    DesktopApplication &open(bool startedAtLogin = false)
    {
        DesktopApplication::Options options;
        options.context.store = Store(env.dataDir());
        options.context.services = FakeDeployService::shippedAt(service.base());
        options.context.endpoints = {service.base(),
                                     service.base().resolved(QUrl(u"/version.json"_s))};
        options.context.bus = QDBusConnection(u"no bus"_s);
        options.context.tokens = &tokens;
        auto backend = std::make_unique<FakeHotKeyBackend>();
        hotKeys = backend.get();
        options.hotKeys = std::move(backend);
        options.desktop = desktop.desktop();
        options.startedAtLogin = startedAtLogin;
        app = std::make_unique<DesktopApplication>(nullptr, std::move(options));
        return *app;
    }

    ~Shell() { close(); }

    AppModel &model() { return app->context().model(); }

    // Ends the application once its refresh and update check are answered (a request cut
    // short leaves its task waiting forever).
    void close()
    {
        if (!app)
            return;
        const auto settled = [this] {
            const bool checked =
                !started || std::any_of(service.requests().cbegin(), service.requests().cend(),
                                        [](const RecordedRequest &request) {
                                            return request.path == u"/version.json";
                                        });
            return checked && !model().refreshes().isRefreshing();
        };
        QVERIFY(QTest::qWaitFor(settled, 20'000));
        QTest::qWait(50);
        app.reset();
        started = false;
    }

    // Opens the panel as a click on the tray icon does.
    MenuBarView &panel()
    {
        if (!app->tray()->panel() || !app->tray()->panel()->isVisible())
            app->tray()->togglePanel();
        return *app->tray()->panel();
    }

    QList<MenuProjectRow *> rows()
    {
        QList<MenuProjectRow *> visible;
        for (MenuProjectRow *row : panel().findChildren<MenuProjectRow *>())
            visible.append(row);
        std::sort(visible.begin(), visible.end(),
                  [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
        return visible;
    }

    QString text(const char *name)
    {
        return panel().findChild<QLabel *>(QLatin1String(name))->text();
    }

    // Starts the application and waits for its first full refresh (tokens loaded).
    void start()
    {
        started = true;
        app->start();
        QTRY_VERIFY_WITH_TIMEOUT(
            model().refreshes().lastRefresh() && !model().refreshes().isRefreshing(), 20'000);
    }

    // Runs a full refresh to its end.
    void refresh()
    {
        QSignalSpy finished(&model().refreshes(), &RefreshScheduler::lastRefreshChanged);
        model().refreshes().refreshAll();
        QVERIFY(finished.wait(20'000));
        QTRY_VERIFY(!model().refreshes().isRefreshing());
    }

    TestEnvironment env;
    FakeService service;
    MemoryTokenStore tokens;
    FakeDesktop desktop;
    FakeHotKeyBackend *hotKeys = nullptr;
    std::unique_ptr<DesktopApplication> app;
    bool started = false;
};

// The tray item as a StatusNotifierItem host sees it, asked over `bus` without blocking this
// thread, which answers for the item.
class TrayItem final : public QDBusAbstractInterface {
    Q_OBJECT

public:
    TrayItem(const QString &service, const QDBusConnection &bus)
        : QDBusAbstractInterface(service, u"/StatusNotifierItem"_s, "org.kde.StatusNotifierItem",
                                 bus, nullptr)
    {
    }

    QDBusMessage ask(const QString &path, const QString &interface, const QString &method,
                     const QVariantList &arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service(), path, interface, method);
        message.setArguments(arguments);
        const QDBusPendingCall call = connection().asyncCall(message);
        if (!QTest::qWaitFor([&] { return call.isFinished(); }, 10'000))
            qWarning("no answer to %s", qPrintable(method));
        return call.reply();
    }

    QVariant property(const QString &name)
    {
        return ask(path(), u"org.freedesktop.DBus.Properties"_s, u"Get"_s, {interface(), name})
            .arguments()
            .value(0)
            .value<QDBusVariant>()
            .variant();
    }

    // The ids of the context menu's items by label.
    QHash<QString, int> menu()
    {
        const QDBusMessage layout =
            ask(property(u"Menu"_s).value<QDBusObjectPath>().path(), u"com.canonical.dbusmenu"_s,
                u"GetLayout"_s, {0, -1, QStringList{u"label"_s}});
        QHash<QString, int> ids;
        const std::function<void(const QDBusArgument &)> walk = [&](const QDBusArgument &node) {
            int id = 0;
            QVariantMap properties;
            node.beginStructure();
            node >> id >> properties;
            node.beginArray();
            while (!node.atEnd()) {
                QDBusVariant child;
                node >> child;
                walk(child.variant().value<QDBusArgument>());
            }
            node.endArray();
            node.endStructure();
            if (properties.contains(u"label"_s))
                ids.insert(properties.value(u"label"_s).toString(), id);
        };
        walk(layout.arguments().value(1).value<QDBusArgument>());
        return ids;
    }

Q_SIGNALS:
    void NewIcon();
};

QString accessibleName(QObject *object)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    return interface ? interface->text(QAccessible::Name) : QString();
}

} // namespace

class ShellTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void panelListsProjectsInStoredOrderAndFollowsTheModel();
    void deployDotOnlyForProjectsThatDeploy();
    void refreshTextAndSpinnerFollowTheRefresh();
    void panelRedrawsInTheNewLanguage();
    void panelClosesOnEscapeAndFocusLossAndOpensTheMainWindow();
    void trayIconFillsWhileAProjectIsRed();
    void mainWindowOpensCentredAndRemembersItsFrame();
    void menuStaysCzechAndReachesCommandsAndTheFocusedField();
    void hotKeyTogglesTheMainWindow();
    void shortcutsAnswerInEverySheet();
    void quittingNeverDropsUnsavedChangesSilently();
    void everyControlIsNamedForScreenReaders();
    void trayItemServesStatusNotifierHosts();
};

void ShellTest::panelListsProjectsInStoredOrderAndFollowsTheModel()
{
    Shell shell;
    shell.open();
    MenuBarView &panel = shell.panel();
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.width(), MenuBarView::panelWidth);
    QVERIFY(shell.rows().isEmpty());
    QVERIFY(panel.findChild<QLabel *>(u"panelHint"_s)->isVisible());
    QCOMPARE(shell.text("panelHint"), u"Zatím žádné projekty.\nPřidej je v hlavním okně."_s);
    QVERIFY(panel.findChild<Capsule *>(u"panelOpenButton"_s)->isVisible());
    QVERIFY(panel.findChild<Capsule *>(u"panelQuitButton"_s)->isVisible());
    const int emptyHeight = panel.height();

    // Stored order, not the sidebar's sort index.
    shell.model().addProject(makeProject(u"Zeta"_s, 5));
    shell.model().addProject(makeProject(u"Alpha\nwith a line break"_s, 1));
    QList<MenuProjectRow *> rows = shell.rows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0]->accessibleName(), u"Zeta"_s);
    QCOMPARE(rows[1]->findChild<ElidedLabel *>(u"menuProjectName"_s)->text(),
             u"Alpha with a line break"_s);
    QVERIFY(!panel.findChild<QLabel *>(u"panelHint"_s)->isVisible());
    QVERIFY(panel.height() > emptyHeight);

    ProjectConfig renamed = *shell.model().project(rows[0]->projectID());
    renamed.name = u"Omega"_s;
    shell.model().updateProject(renamed);
    QCOMPARE(shell.rows()[0]->accessibleName(), u"Omega"_s);
    shell.model().removeProject(renamed);
    QCOMPARE(shell.rows().size(), 1);
    QCOMPARE(panel.width(), MenuBarView::panelWidth);

    // Rows are informational: a click changes nothing.
    QSignalSpy opened(&panel, &MenuBarView::openMainWindowRequested);
    QTest::mouseClick(shell.rows()[0], Qt::LeftButton);
    QVERIFY(panel.isVisible());
    QCOMPARE(opened.count(), 0);
}

void ShellTest::deployDotOnlyForProjectsThatDeploy()
{
    ProjectConfig netlify = makeProject(u"Netlify"_s);
    netlify.netlifySiteID = u"site"_s;
    ProjectConfig vercel = makeProject(u"Vercel"_s);
    vercel.vercelProjectID = u"prj"_s;
    ProjectConfig local = makeProject(u"Local"_s);
    local.netlifySiteID = u""_s; // empty ids count as none
    Shell shell({netlify, vercel, local});
    shell.service.serve(deployPath(u"site"_s), 200, failedDeploy);
    shell.open();
    shell.start();
    const QList<MenuProjectRow *> rows = shell.rows();
    QCOMPARE(rows.size(), 3);
    const QList<bool> deployDots{true, true, false};
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i]->findChild<StatusDot *>(u"menuProjectDeployDot"_s)->isVisible(),
                 deployDots[i]);
        QVERIFY(rows[i]->findChild<StatusDot *>(u"menuProjectGitDot"_s)->isVisible());
        QCOMPARE(rows[i]->findChild<StatusDot *>(u"menuProjectGitDot"_s)->status(),
                 StatusColor::Gray);
        QCOMPARE(rows[i]->findChild<ElidedLabel *>(u"menuProjectGit"_s)->text(),
                 u"Git nedostupný"_s);
    }
    QCOMPARE(rows[0]->findChild<StatusDot *>(u"menuProjectDeployDot"_s)->status(),
             StatusColor::Red);
}

void ShellTest::refreshTextAndSpinnerFollowTheRefresh()
{
    ProjectConfig site = makeProject(u"Site"_s);
    site.netlifySiteID = u"site"_s;
    Shell shell({site});
    shell.service.serve(deployPath(u"site"_s), {.body = readyDeploy, .held = true});
    shell.open();
    const auto animations = [&] {
        QList<QAbstractAnimation *> running;
        for (QAbstractAnimation *animation :
             shell.app->tray()->panel()->findChildren<QAbstractAnimation *>())
            if (animation->state() == QAbstractAnimation::Running)
                running.append(animation);
        return running;
    };

    MenuBarView &panel = shell.panel();
    QCOMPARE(shell.text("panelRefreshText"), u"Zatím neaktualizováno"_s);
    panel.hide();
    shell.started = true;
    shell.app->start();
    QTRY_VERIFY(!shell.service.requests().isEmpty());
    QVERIFY(shell.model().refreshes().isRefreshing());
    // Hidden, nothing turns; shown during the refresh, the symbol turns until it ends.
    QVERIFY(!panel.isSpinning());
    shell.panel(); // opens it
    QVERIFY(panel.isSpinning());
    panel.hide();
    QVERIFY(animations().isEmpty());
    shell.panel(); // opens it
    QVERIFY(panel.isSpinning());
    QSignalSpy finished(&shell.model().refreshes(), &RefreshScheduler::lastRefreshChanged);
    shell.service.release();
    QVERIFY(finished.wait(20'000));
    QTRY_VERIFY(!shell.model().refreshes().isRefreshing());
    QVERIFY(!panel.isSpinning());
    QVERIFY(animations().isEmpty());
    QVERIFY(shell.text("panelRefreshText").startsWith(u"Aktualizováno "_s));
    QVERIFY(shell.text("panelRefreshText").size() > u"Aktualizováno "_s.size());
    QCOMPARE(panel.findChild<IconButton *>(u"panelRefreshButton"_s)->isEnabled(), true);

    // The button starts a refresh of its own.
    const qsizetype requests = shell.service.requests().size();
    QTest::mouseClick(panel.findChild<IconButton *>(u"panelRefreshButton"_s), Qt::LeftButton);
    QTRY_VERIFY(shell.service.requests().size() > requests);
    shell.service.release();
}

void ShellTest::panelRedrawsInTheNewLanguage()
{
    Shell shell({makeProject(u"Site"_s)});
    shell.open();
    shell.start();
    shell.panel(); // opens it
    const auto gitText = [&] {
        return shell.rows()[0]->findChild<ElidedLabel *>(u"menuProjectGit"_s)->text();
    };
    QCOMPARE(gitText(), u"Git nedostupný"_s);
    shell.app->context().preferences().setLanguage(AppLanguage::En);
    deliverLanguageChange();
    QVERIFY(shell.text("panelRefreshText").startsWith(u"Updated "_s));
    QCOMPARE(gitText(), u"Git unavailable"_s);
    // The tray's own menu follows too.
    QCOMPARE(shell.app->tray()->menu()->actions().first()->text(), u"Open Quaylin"_s);
    shell.app->context().preferences().setLanguage(AppLanguage::Cs);
    deliverLanguageChange();
    QCOMPARE(gitText(), u"Git nedostupný"_s);
    QVERIFY(shell.text("panelRefreshText").startsWith(u"Aktualizováno "_s));
}

void ShellTest::panelClosesOnEscapeAndFocusLossAndOpensTheMainWindow()
{
    Shell shell;
    shell.open();
    QWidget other; // where the focus goes
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    const auto activate = [](QWidget *window) {
        window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), window);
    };

    MenuBarView *panel = &shell.panel();
    auto now = std::chrono::steady_clock::now();
    panel->setClock([&now] { return now; });
    QTRY_COMPARE(QApplication::activeWindow(), panel);
    QTest::keyClick(panel, Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    // A click on the tray icon while it is open closes it.
    shell.app->tray()->togglePanel();
    QVERIFY(panel->isVisible());
    shell.app->tray()->togglePanel();
    QVERIFY(!panel->isVisible());

    activate(&other);
    panel = &shell.panel();
    QTRY_COMPARE(QApplication::activeWindow(), panel);
    activate(&other);
    QVERIFY(!panel->isVisible());
    // The click on the icon that took the focus away does not bring it straight back; one
    // a moment later does.
    now += std::chrono::milliseconds(299);
    shell.app->tray()->togglePanel();
    QVERIFY(!panel->isVisible());

    now += std::chrono::milliseconds(2);
    panel = &shell.panel();
    QVERIFY(panel->isVisible());
    QVERIFY(!shell.app->mainWindow());
    QTest::mouseClick(panel->findChild<Capsule *>(u"panelOpenButton"_s), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QVERIFY(shell.app->mainWindow());
    QVERIFY(shell.app->mainWindow()->isVisible());
}

void ShellTest::trayIconFillsWhileAProjectIsRed()
{
    ProjectConfig site = makeProject(u"Site"_s);
    site.netlifySiteID = u"site"_s;
    Shell shell({site, makeProject(u"Other"_s)});
    shell.service.serve(deployPath(u"site"_s), 200, failedDeploy);
    shell.open();
    TrayIcon *tray = shell.app->tray();
    QCOMPARE(tray->symbol(), u"sailboat"_s);
    shell.start(); // with the panel never opened
    QVERIFY(!tray->panel());
    QCOMPARE(tray->symbol(), u"sailboat.fill"_s);
    shell.service.serve(deployPath(u"site"_s), 200, readyDeploy);
    shell.refresh();
    QCOMPARE(tray->symbol(), u"sailboat"_s);
    shell.service.serve(deployPath(u"site"_s), 200, failedDeploy);
    shell.refresh();
    QCOMPARE(tray->symbol(), u"sailboat.fill"_s);
    shell.model().removeProject(*shell.model().project(site.id));
    QCOMPARE(tray->symbol(), u"sailboat"_s);
    QVERIFY(TrayIcon::iconFor(u"sailboat.fill"_s).pixmap(22).toImage() !=
            TrayIcon::iconFor(u"sailboat"_s).pixmap(22).toImage());
}

void ShellTest::mainWindowOpensCentredAndRemembersItsFrame()
{
    Shell shell;
    shell.open();
    QVERIFY(!shell.app->mainWindow()); // created on demand
    shell.app->showMainWindow();
    MainWindow *window = shell.app->mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->size(), MainWindow::firstSize);
    QCOMPARE(window->minimumSize(), MainWindow::smallestSize);
    QCOMPARE(window->geometry().center(), window->screen()->availableGeometry().center());
    QVERIFY(qobject_cast<MainView *>(window->centralWidget()));

    // Closing hides; the window and its view stay for the next show.
    MainView *view = window->view();
    const QRect frame(120, 90, 1000, 650);
    window->setGeometry(frame);
    window->close();
    QVERIFY(!window->isVisible());
    shell.app->showMainWindow();
    QCOMPARE(shell.app->mainWindow(), window);
    QCOMPARE(window->view(), view);
    QCOMPARE(window->geometry(), frame);

    // The next run opens where this one was left.
    window->setGeometry(frame.translated(30, 20));
    shell.close();
    shell.open();
    shell.app->showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(shell.app->mainWindow()));
    QCOMPARE(shell.app->mainWindow()->geometry(), frame.translated(30, 20));
}

void ShellTest::menuStaysCzechAndReachesCommandsAndTheFocusedField()
{
    Shell shell;
    shell.open();
    shell.app->context().preferences().setLanguage(AppLanguage::En);
    deliverLanguageChange();
    shell.app->showMainWindow();
    MainWindow *window = shell.app->mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));

    QStringList titles;
    for (QAction *menu : window->menuBar()->actions()) {
        titles.append(menu->text());
        for (QAction *item : menu->menu()->actions()) {
            if (!item->isSeparator())
                titles.append(item->text() + u' ' + item->shortcut().toString());
        }
    }
    QCOMPARE(titles,
             (QStringList{u"Quaylin"_s, u"O aplikaci Quaylin "_s, u"Ukončit Quaylin Ctrl+Q"_s,
                          u"Projekt"_s, u"Nový projekt Ctrl+N"_s, u"Nová složka Ctrl+Shift+N"_s,
                          u"Obnovit Ctrl+R"_s, u"Hledat úkoly Ctrl+F"_s, u"Úpravy"_s,
                          u"Undo Ctrl+Z"_s, u"Redo Ctrl+Shift+Z"_s, u"Vyjmout Ctrl+X"_s,
                          u"Kopírovat Ctrl+C"_s, u"Vložit Ctrl+V"_s, u"Vybrat vše Ctrl+A"_s,
                          u"Okno"_s, u"Zavřít Ctrl+W"_s, u"Minimalizovat Ctrl+M"_s}));

    // Undo and redo name their step in the interface language and take it back and forth.
    AppModel &model = shell.app->context().model();
    model.addFolder(u"Folder"_s);
    auto *undo = window->findChild<QAction *>(u"undoAction"_s);
    auto *redo = window->findChild<QAction *>(u"redoAction"_s);
    QCOMPARE(undo->text(), u"Undo Add Folder"_s);
    QVERIFY(!redo->isEnabled());
    undo->trigger();
    QVERIFY(model.folders().isEmpty());
    QCOMPARE(redo->text(), u"Redo Add Folder"_s);
    QVERIFY(!undo->isEnabled());
    shell.app->context().preferences().setLanguage(AppLanguage::Cs);
    deliverLanguageChange();
    QCOMPARE(redo->text(), u"Znovu: Přidat složku"_s);
    redo->trigger();
    QCOMPARE(model.folders().size(), 1);

    AppCommands &commands = shell.desktop.commands;
    QSignalSpy newProject(&commands, &AppCommands::newProjectRequested);
    QSignalSpy refresh(&commands, &AppCommands::refreshRequested);
    QSignalSpy search(&commands, &AppCommands::focusSearchRequested);
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(newProject.count(), 1);
    // The command opened the project editor over the window; it goes again before the next.
    auto *editor = window->findChild<ProjectEditor *>();
    QVERIFY(editor);
    editor->reject();
    QTRY_VERIFY(!window->findChild<ProjectEditor *>());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(refresh.count(), 1);
    QCOMPARE(search.count(), 1);

    // The edit items act on the field with the keyboard.
    auto *field = new QLineEdit(u"draft"_s, window->view());
    field->show();
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    window->findChild<QAction *>(u"selectAllAction"_s)->trigger();
    window->findChild<QAction *>(u"cutAction"_s)->trigger();
    QCOMPARE(field->text(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), u"draft"_s);
    window->findChild<QAction *>(u"pasteAction"_s)->trigger();
    window->findChild<QAction *>(u"pasteAction"_s)->trigger();
    QCOMPARE(field->text(), u"draftdraft"_s);

    QSignalSpy quit(window, &MainWindow::quitRequested);
    window->findChild<QAction *>(u"quitAction"_s)->trigger();
    QCOMPARE(quit.count(), 1);
    window->findChild<QAction *>(u"aboutAction"_s)->trigger();
    QTRY_VERIFY(window->findChild<QWidget *>(u"aboutBox"_s));
    window->findChild<QWidget *>(u"aboutBox"_s)->close();
    window->findChild<QAction *>(u"minimizeAction"_s)->trigger();
    QTRY_VERIFY(window->isMinimized());
    shell.app->showMainWindow();
    QTRY_VERIFY(window->isShown());
    window->findChild<QAction *>(u"closeWindowAction"_s)->trigger();
    QVERIFY(!window->isVisible());
}

void ShellTest::shortcutsAnswerInEverySheet()
{
    Shell shell;
    shell.open();
    shell.app->showMainWindow();
    MainWindow *window = shell.app->mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto *sheet = new SettingsSheet(shell.app->ui(), window);
    sheet->open();
    sheet->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), sheet);

    AppCommands &commands = shell.desktop.commands;
    QSignalSpy refresh(&commands, &AppCommands::refreshRequested);
    QSignalSpy search(&commands, &AppCommands::focusSearchRequested);
    QSignalSpy quit(window, &MainWindow::quitRequested);
    QTest::keyClick(sheet, Qt::Key_R, Qt::ControlModifier);
    QTest::keyClick(sheet, Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(sheet, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(refresh.count(), 1);
    QCOMPARE(search.count(), 1);
    QCOMPARE(quit.count(), 1);
    // Ctrl+W closes the sheet, not the window under it.
    const QPointer<SettingsSheet> closing(sheet);
    QTest::keyClick(sheet, Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(!closing);
    QVERIFY(window->isVisible());
}

void ShellTest::quittingNeverDropsUnsavedChangesSilently()
{
    Shell shell;
    shell.open();
    AppModel &model = shell.model();
    QSignalSpy quitting(shell.app.get(), &DesktopApplication::quitting);
    // Saves fail: a file stands where the data folder was (root may write anywhere).
    const QString dir = shell.env.dataDir(), moved = dir + u".moved"_s;
    QVERIFY(QDir().rename(dir, moved) && writeFile(dir, "in the way"));
    model.addFolder(u"Neuložená"_s);
    model.dataFile().waitForPendingSaves();
    QVERIFY(model.dataFile().saveError());

    // Quitting asks; staying keeps everything.
    const auto box = [] {
        QMessageBox *found = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == u"unsavedQuitBox" && widget->isVisible())
                found = qobject_cast<QMessageBox *>(widget);
        }
        return found;
    };
    shell.app->quit();
    QTRY_VERIFY(box());
    box()->findChild<QPushButton *>(u"cancelQuitButton"_s)->click();
    QTRY_VERIFY(!box());
    QCOMPARE(quitting.count(), 0);
    // A copy saved elsewhere, then the end.
    shell.app->quit();
    QTRY_VERIFY(box());
    box()->findChild<QPushButton *>(u"saveCopyButton"_s)->click();
    QTRY_VERIFY(shell.desktop.files.pending);
    const QString copy = shell.env.root() + u"/copy.json"_s;
    shell.desktop.files.choose(copy);
    QCOMPARE(quitting.count(), 1);
    const auto saved = RecordJson::decodeDocument(readFile(copy), model.now());
    QCOMPARE(std::get<StoreData>(saved).folders, model.folders());

    // SIGTERM cannot ask: a copy goes to the cache folder, and the next start offers it.
    shell.app->terminate();
    QCOMPARE(quitting.count(), 2);
    QCOMPARE(UnsavedCopies::found().size(), 1);
    QVERIFY(QFile::remove(dir) && QDir().rename(moved, dir));
    shell.app.reset();
    shell.open();
    QVERIFY(shell.model().folders().isEmpty());
    shell.app->showMainWindow();
    auto *banner = shell.app->mainWindow()->findChild<QWidget *>(u"unsavedCopyBanner"_s);
    QTRY_VERIFY(banner->isVisible());
    banner->findChild<QPushButton *>(u"restoreUnsavedCopyButton"_s)->click();
    QCOMPARE(shell.model().folders().size(), 1);
    QVERIFY(!banner->isVisible());
    QVERIFY(UnsavedCopies::found().isEmpty());
}

void ShellTest::hotKeyTogglesTheMainWindow()
{
    Shell shell;
    Preferences().setGlobalHotkey(u"Ctrl+Alt+K"_s); // recorded in an earlier run
    shell.open();
    shell.start();
    QCOMPARE(shell.hotKeys->grabs, 1);
    QCOMPARE(shell.hotKeys->chord,
             QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_K));
    // No tray on this platform, so the window is already open.
    MainWindow *window = shell.app->mainWindow();
    QVERIFY(window && window->isVisible());
    shell.hotKeys->press();
    QVERIFY(!window->isVisible());
    shell.hotKeys->press();
    QVERIFY(window->isVisible());
    window->showMinimized();
    QTRY_VERIFY(window->isMinimized());
    shell.hotKeys->press(); // a minimised window counts as hidden: it comes back
    QTRY_VERIFY(window->isShown());

    // A recorded chord is the one asked for at the next start.
    shell.app->context().preferences().setGlobalHotkey(u"Ctrl+Alt+K"_s);
    shell.close();
    shell.open();
    shell.start();
    QCOMPARE(shell.hotKeys->chord,
             QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_K));

    // Switched off in the settings: not grabbed at the next start.
    shell.app->context().preferences().setGlobalHotkeyEnabled(false);
    shell.close();
    shell.open();
    shell.start();
    QCOMPARE(shell.hotKeys->grabs, 0);
    QVERIFY(!shell.app->hotKey().isRegistered());
}

void ShellTest::everyControlIsNamedForScreenReaders()
{
    Shell shell({makeProject(u"Site"_s)});
    shell.open();
    shell.app->showMainWindow();
    QWidgetList controls = shell.panel().findChildren<QWidget *>();
    controls += shell.app->mainWindow()->findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *widget : std::as_const(controls)) {
        // What is not shown (a project page while the overview is up) is not reachable either.
        // Lists count too, except a combo box's own popup list, which the box names.
        const bool interactive = widget->focusPolicy() != Qt::NoFocus &&
                                 (qobject_cast<QAbstractButton *>(widget) ||
                                  qobject_cast<QAbstractItemView *>(widget)) &&
                                 widget->window()->windowType() != Qt::Popup &&
                                 widget->isVisibleTo(widget->window());
        if (!interactive && !qobject_cast<MenuProjectRow *>(widget))
            continue;
        ++checked;
        QVERIFY2(!accessibleName(widget).isEmpty(), qPrintable(widget->objectName()));
    }
    QVERIFY(checked > 4); // the panel's refresh, open, quit and row, and the main window's
    for (QMenu *menu : shell.app->mainWindow()->menuBar()->findChildren<QMenu *>()) {
        for (QAction *action : menu->actions())
            QVERIFY(action->isSeparator() || !action->text().isEmpty());
    }
}

void ShellTest::trayItemServesStatusNotifierHosts()
{
    if (QGuiApplication::platformName() == u"offscreen")
        QSKIP("the runs on X11 and Wayland cover this");
    // As main() names it: the item's id and title come from that name.
    const QString testName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(u"Quaylin"_s);
    const auto restoreName = qScopeGuard([&] { QCoreApplication::setApplicationName(testName); });
    ProjectConfig site = makeProject(u"Site"_s);
    site.netlifySiteID = u"site"_s;
    Shell shell({site});
    shell.service.serve(deployPath(u"site"_s), 200, readyDeploy);
    // Started at login before the panel: it waits for its tray, with no window meanwhile.
    shell.open(true);
    shell.start();
    QVERIFY(!shell.app->tray());
    FakeStatusNotifierWatcher watcher;
    QVERIFY(watcher.start());
    QTRY_COMPARE_WITH_TIMEOUT(watcher.items().size(), 1, 10'000);
    QVERIFY(!shell.app->mainWindow());

    TrayItem item(watcher.items().constFirst(), watcher.bus());
    for (const auto &[name, value] :
         {std::pair{u"Id"_s, u"Quaylin"_s}, std::pair{u"Title"_s, u"Quaylin"_s},
          std::pair{u"Category"_s, u"ApplicationStatus"_s}, std::pair{u"Status"_s, u"Active"_s}})
        QCOMPARE(item.property(name).toString(), value);

    // A project turning red fills the sailboat, and the item tells its host.
    QSignalSpy newIcon(&item, &TrayItem::NewIcon);
    shell.service.serve(deployPath(u"site"_s), 200, failedDeploy);
    shell.refresh();
    QCOMPARE(shell.app->tray()->symbol(), u"sailboat.fill"_s);
    QTRY_COMPARE(newIcon.size(), 1);

    // Activate (a left click) opens the panel, on Wayland as a window the compositor places.
    item.ask(item.path(), item.interface(), u"Activate"_s, {0, 0});
    MenuBarView *panel = shell.app->tray()->panel();
    QTRY_VERIFY(panel && panel->isVisible());
    const bool wayland = QGuiApplication::platformName().startsWith(u"wayland"_s);
    QCOMPARE(panel->windowFlags().testFlag(Qt::FramelessWindowHint), !wayland);

    const QHash<QString, int> menu = item.menu();
    QVERIFY(menu.contains(u"Ukončit"_s));
    item.ask(item.property(u"Menu"_s).value<QDBusObjectPath>().path(), u"com.canonical.dbusmenu"_s,
             u"Event"_s,
             {menu.value(u"Otevřít Quaylin"_s, -1), u"clicked"_s,
              QVariant::fromValue(QDBusVariant(0)), 0u});
    QTRY_VERIFY(shell.app->mainWindow() && shell.app->mainWindow()->isVisible());
}

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
