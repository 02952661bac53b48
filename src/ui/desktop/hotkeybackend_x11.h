// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/hotkeybackend.h"

// X11: the shortcut grabbed on the root window (also with Num Lock and Caps Lock on), answered
// at once. Only where Qt runs on xcb; built where xcb is there to build against.
std::unique_ptr<HotKeyBackend> makeX11HotKeyBackend();
