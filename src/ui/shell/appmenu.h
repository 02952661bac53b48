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
// steps of `history` and passes the rest to the widget with the keyboard; "Okno" closes
// (hides) or minimises `window`.
void install(QMainWindow &window, AppCommands &commands, EditHistory &history,
             const Actions &actions);

} // namespace AppMenu
