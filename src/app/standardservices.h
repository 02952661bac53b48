// SPDX-License-Identifier: MIT
#pragma once

#include "app/servicetable.h"

// The services the application ships with. A new deploy service is a row here and a client;
// besides this file it touches its client (sources/<name>client.*, listed in
// sources/CMakeLists.txt), the project field for its id with that field's data-file key
// (model/projectconfig.h, model/recordjson.cpp), and the English twins of its texts
// (i18n/translations.cpp).
namespace StandardServices {

DeployService netlify();
DeployService vercel();
TokenService github();

// Netlify, then Vercel, and GitHub; each deploy service's address overridden by its
// environment variable when that is set.
ServiceTable table();

} // namespace StandardServices
