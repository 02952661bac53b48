// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace UrlPath {

// A value inserted into a request address: ordinary names stay as they are, but characters
// that would change the address's structure ('#', '?', '%', space, control characters, and
// '&' / '=' inside a query value) are percent-encoded.
QString escapeSegment(const QString &value);
QString escapeQueryValue(const QString &value);

} // namespace UrlPath
