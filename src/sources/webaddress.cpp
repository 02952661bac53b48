// SPDX-License-Identifier: MIT
#include "sources/webaddress.h"

namespace WebAddress {

std::optional<QUrl> parse(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.contains(u' '))
        return std::nullopt;
    QUrl url(trimmed, QUrl::StrictMode);
    if (url.isValid() && url.scheme().isEmpty())
        url = QUrl(QStringLiteral("https://") + trimmed, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https") || url.host().isEmpty())
        return std::nullopt;
    return url;
}

} // namespace WebAddress
