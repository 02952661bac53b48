// SPDX-License-Identifier: MIT
#include "ui/desktop/urlopener.h"

#include <QDesktopServices>

std::optional<QUrl> UrlOpener::parse(const std::optional<QString> &text)
{
    const QString trimmed = text.value_or(QString()).trimmed();
    if (trimmed.isEmpty() || trimmed.contains(QLatin1Char(' ')))
        return std::nullopt;
    QUrl url(trimmed, QUrl::StrictMode);
    if (url.isValid() && url.scheme().isEmpty())
        url = QUrl(QStringLiteral("https://") + trimmed, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || (url.host().isEmpty() && !url.isLocalFile()))
        return std::nullopt;
    return url;
}

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
