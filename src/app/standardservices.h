// SPDX-License-Identifier: MIT
#pragma once

#include "app/servicetable.h"

// The services the application ships with. A new deploy service is a row here and a client.
namespace StandardServices {

DeployService netlify();
DeployService vercel();
TokenService github();

// Netlify, then Vercel, and GitHub; each deploy service's address overridden by its
// environment variable when that is set.
ServiceTable table();

} // namespace StandardServices
