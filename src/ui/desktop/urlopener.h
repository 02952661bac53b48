// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>

// Opens web addresses in the default browser and folders in the file manager. Failures are not
// reported: there is nothing a screen could do about them.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void openUrl(const QUrl &url) = 0;
    virtual void openFolder(const QString &path) = 0;
};

// Through the desktop's default handlers (QDesktopServices).
class SystemUrlOpener final : public UrlOpener {
public:
    void openUrl(const QUrl &url) override;
    void openFolder(const QString &path) override;
};
