// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class AppCommands;
class EditHistory;
class QMainWindow;

// The main window's menu bar. Its titles are fixed Czech names, the same in every interface
// language; shortcuts use Ctrl (⌘ on macOS).
namespace AppMenu {

struct Actions {
    std::function<void()> about;
    std::function<void()> quit;
};

// Replaces `window`'s menu bar. "Projekt" raises `commands`; "Úpravy" undoes and redoes the
// steps of `history` and passes the rest to the widget with the keyboard; "Okno" closes (hides)
// the window with the keyboard, or minimises `window`. Quit, the "Projekt" items but the new
// folder, and close answer their shortcuts in every window of the application.
void install(QMainWindow &window, AppCommands &commands, EditHistory &history,
             const Actions &actions);

} // namespace AppMenu
