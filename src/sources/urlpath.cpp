// SPDX-License-Identifier: MIT
#include "sources/urlpath.h"

#include <cstring>

namespace UrlPath {

namespace {

// Unreserved characters, and the delimiters that mean nothing special where the value goes,
// stay as the user wrote them; what would end the path, start a query or fragment, split a
// query, or not be allowed in an address at all, is encoded.
bool keeps(char32_t c, const char *alsoKept)
{
    if (c < 0x80) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               (c != 0 && std::strchr("-._~!$'()*,;:@/", int(c))) ||
               (c != 0 && std::strchr(alsoKept, int(c)));
    }
    // Non-ASCII letters and digits read as themselves; QUrl sends them as UTF-8 escapes.
    return QChar::isLetterOrNumber(c);
}

QString escape(const QString &value, const char *alsoKept)
{
    QString out;
    out.reserve(value.size());
    for (const char32_t c : value.toUcs4()) {
        const QString text = QString::fromUcs4(&c, 1);
        out += keeps(c, alsoKept) ? text : QString::fromLatin1(QUrl::toPercentEncoding(text));
    }
    return out;
}

} // namespace

QString escapeSegment(const QString &value)
{
    // Inside a path '&', '=' and '+' are ordinary; a '/' stays, as branch names hold them.
    return escape(value, "&=+");
}

QString escapeQueryValue(const QString &value)
{
    return escape(value, "");
}

QUrl join(const QUrl &base, const QString &encodedPathAndQuery)
{
    if (!base.isValid() || base.isRelative())
        return {};
    QString text = base.toString(QUrl::FullyEncoded | QUrl::RemoveQuery | QUrl::RemoveFragment);
    if (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    QUrl url(text + encodedPathAndQuery, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return {};
    return url;
}

} // namespace UrlPath
