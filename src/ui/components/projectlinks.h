// SPDX-License-Identifier: MIT
#pragma once

#include "model/projectconfig.h"

#include <QUrl>

#include <optional>

// The web addresses a project's buttons open, only when its text makes an address a browser
// can open ("example.com" is taken as https://example.com; blank or malformed text is none).
namespace ProjectLinks {

std::optional<QUrl> website(const ProjectConfig &project);
std::optional<QUrl> gitHub(const ProjectConfig &project);
// The same rule for any typed address.
std::optional<QUrl> fromText(const std::optional<QString> &text);

} // namespace ProjectLinks
