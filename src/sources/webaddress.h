// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace WebAddress {

// A stored or downloaded address as one a browser may be handed: http or https with a host.
// Text without a scheme ("example.com") is taken as https; anything else — blank, malformed,
// `file:`, `javascript:`, a custom handler's scheme — is nothing, so no button offers it.
std::optional<QUrl> parse(const QString &text);

} // namespace WebAddress
