// SPDX-License-Identifier: MIT
#include "ui/desktop/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void SystemClipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}
