// SPDX-License-Identifier: MIT
#include "ui/desktop/urlopener.h"

#include "sources/webaddress.h"

#include <QDesktopServices>

void SystemUrlOpener::openUrl(const QUrl &url)
{
    // The last gate before the desktop's handlers: a browser, never a file or another program.
    if (WebAddress::parse(url.toString()))
        QDesktopServices::openUrl(url);
}

void SystemUrlOpener::openFolder(const QString &path)
{
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
