// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/desktop.h"

class AppModel;
class GlobalHotKeyManager;
class Preferences;
class UpdateChecker;

// What every screen is built with: the model it shows and changes, the update checker, the
// preferences, the seams to the desktop, and the global shortcut. All outlive the screens.
struct UiContext {
    AppModel &model;
    UpdateChecker &updates;
    Preferences &preferences;
    Desktop desktop;
    GlobalHotKeyManager &hotKey;
};
