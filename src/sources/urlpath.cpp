// SPDX-License-Identifier: MIT
#include "sources/urlpath.h"

namespace UrlPath {

namespace {

bool keeps(char32_t c)
{
    if (c < 0x80) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-' || c == '_' || c == '.' || c == '~';
    }
    // Non-ASCII letters and digits read as themselves; QUrl sends them as UTF-8 escapes.
    return QChar::isLetterOrNumber(c);
}

QString escape(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (const char32_t c : value.toUcs4()) {
        const QString text = QString::fromUcs4(&c, 1);
        out += keeps(c) ? text : QString::fromLatin1(QUrl::toPercentEncoding(text));
    }
    return out;
}

} // namespace

QString escapeSegment(const QString &value)
{
    return escape(value);
}

QString escapeQueryValue(const QString &value)
{
    // The kept set holds no query delimiter, so one rule serves both places.
    return escape(value);
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
