// SPDX-License-Identifier: MIT
#include "ui/shell/appmenu.h"

#include "ui/components/undoactions.h"
#include "ui/desktop/appcommands.h"
#include "ui/shell/applicationshortcuts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {

// The edit commands reach whatever widget has the keyboard as its own key binding, so a text
// field cuts, a list selects all, and a widget without the command ignores it.
void sendToFocus(QKeySequence::StandardKey key)
{
    QWidget *target = QApplication::focusWidget();
    const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
    if (!target || bindings.isEmpty())
        return;
    const QKeyCombination combination = bindings.first()[0];
    QKeyEvent press(QEvent::KeyPress, combination.key(), combination.keyboardModifiers());
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, combination.key(), combination.keyboardModifiers());
    QCoreApplication::sendEvent(target, &release);
}

QAction *add(QMenu *menu, const QString &title, const QString &name, const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(title);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

} // namespace

namespace AppMenu {

void install(QMainWindow &window, AppCommands &commands, EditHistory &history,
             const Actions &actions)
{
    auto *bar = new QMenuBar(&window);
    bar->setObjectName(u"appMenuBar"_s);

    QMenu *application = bar->addMenu(u"Quaylin"_s);
    QAction *about = add(application, u"O aplikaci Quaylin"_s, u"aboutAction"_s, {});
    about->setMenuRole(QAction::AboutRole);
    QObject::connect(about, &QAction::triggered, &window, actions.about);
    application->addSeparator();
    QAction *quit = add(application, u"Ukončit Quaylin"_s, u"quitAction"_s, u"Ctrl+Q"_s);
    quit->setMenuRole(QAction::QuitRole);
    QObject::connect(quit, &QAction::triggered, &window, actions.quit);

    QMenu *project = bar->addMenu(u"Projekt"_s);
    QAction *newProject = add(project, u"Nový projekt"_s, u"newProjectAction"_s, u"Ctrl+N"_s);
    QObject::connect(newProject, &QAction::triggered, &commands, &AppCommands::requestNewProject);
    QObject::connect(add(project, u"Nová složka"_s, u"newFolderAction"_s, u"Ctrl+Shift+N"_s),
                     &QAction::triggered, &commands, &AppCommands::requestNewFolder);
    QAction *refresh = add(project, u"Obnovit"_s, u"refreshAction"_s, u"Ctrl+R"_s);
    QObject::connect(refresh, &QAction::triggered, &commands, &AppCommands::requestRefresh);
    QAction *search = add(project, u"Hledat úkoly"_s, u"focusSearchAction"_s, u"Ctrl+F"_s);
    QObject::connect(search, &QAction::triggered, &commands, &AppCommands::requestFocusSearch);

    QMenu *edit = bar->addMenu(u"Úpravy"_s);
    new UndoActions(history, edit);
    edit->addSeparator();
    const struct {
        const char16_t *title;
        const char16_t *name;
        QKeySequence::StandardKey key;
        const char16_t *shortcut;
    } editCommands[] = {
        {u"Vyjmout", u"cutAction", QKeySequence::Cut, u"Ctrl+X"},
        {u"Kopírovat", u"copyAction", QKeySequence::Copy, u"Ctrl+C"},
        {u"Vložit", u"pasteAction", QKeySequence::Paste, u"Ctrl+V"},
        {u"Vybrat vše", u"selectAllAction", QKeySequence::SelectAll, u"Ctrl+A"},
    };
    for (const auto &command : editCommands) {
        QAction *action =
            add(edit, QString::fromUtf16(command.title), QString::fromUtf16(command.name),
                QString::fromUtf16(command.shortcut));
        const QKeySequence::StandardKey key = command.key;
        QObject::connect(action, &QAction::triggered, &window, [key] { sendToFocus(key); });
    }

    QMenu *windowMenu = bar->addMenu(u"Okno"_s);
    QAction *close = add(windowMenu, u"Zavřít"_s, u"closeWindowAction"_s, u"Ctrl+W"_s);
    // The window with the keyboard: a sheet over the main window closes alone.
    QObject::connect(close, &QAction::triggered, &window, [&window] {
        QWidget *active = QApplication::activeWindow();
        (active ? active : &window)->close();
    });
    QObject::connect(add(windowMenu, u"Minimalizovat"_s, u"minimizeAction"_s, u"Ctrl+M"_s),
                     &QAction::triggered, &window, &QWidget::showMinimized);

    window.setMenuBar(bar);
    new ApplicationShortcuts({quit, newProject, refresh, search, close}, &window);
}

} // namespace AppMenu
