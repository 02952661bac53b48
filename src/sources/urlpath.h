// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>

namespace UrlPath {

// A value inserted into a request address: ordinary names stay as they are (a branch keeps its
// '/'), but characters that would change the address's structure ('#', '?', '%', space,
// control characters, and '&' / '=' / '+' inside a query value) or that no address may hold
// are percent-encoded.
QString escapeSegment(const QString &value);
QString escapeQueryValue(const QString &value);

// `base` (scheme, host, perhaps a path prefix) followed by an already-encoded path and query.
// The result keeps those encodings; it is invalid when the text is not an absolute URL.
QUrl join(const QUrl &base, const QString &encodedPathAndQuery);

} // namespace UrlPath
