// SPDX-License-Identifier: MIT
#include "ui/shell/urlopener.h"

#include <QDesktopServices>

void SystemUrlOpener::openUrl(const QUrl &url)
{
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

void SystemUrlOpener::openFolder(const QString &path)
{
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
