// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace AppVersion {

// The version this build was made as (the CMake project version), "1.0" when unset.
QString current();

} // namespace AppVersion
