// SPDX-License-Identifier: MIT
#include "ui/desktop/hotkeybackend_null.h"

void NullHotKeyBackend::grab(QKeyCombination)
{
    Q_EMIT answered(HotKeyGrab::Unsupported);
}
