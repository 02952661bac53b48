// SPDX-License-Identifier: MIT
#pragma once

#include "model/projectconfig.h"

#include <QUrl>

#include <optional>

// The web addresses a project's buttons open, by WebAddress::parse: http or https only
// ("example.com" is taken as https://example.com); anything else hides the button.
namespace ProjectLinks {

std::optional<QUrl> website(const ProjectConfig &project);
std::optional<QUrl> gitHub(const ProjectConfig &project);

} // namespace ProjectLinks
