// SPDX-License-Identifier: MIT
#include "ui/desktop/hotkeybackend_null.h"

void NullHotKeyBackend::grab()
{
    Q_EMIT answered(HotKeyGrab::Unsupported);
}
