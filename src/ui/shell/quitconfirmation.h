// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class FileChooser;
class AppModel;
class QWidget;

// The question before quitting while the changes cannot be saved (a full disk, a read-only
// folder): save a copy elsewhere (through the file chooser; quits once the copy is written),
// quit without saving, or stay ("Zrušit", Escape). A copy that fails to write says why and
// quits nothing.
namespace QuitConfirmation {

void ask(QWidget *parent, AppModel &model, FileChooser &files, std::function<void()> quit);

} // namespace QuitConfirmation
