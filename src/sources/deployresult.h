// SPDX-License-Identifier: MIT
#pragma once

#include "sources/deployinfo.h"
#include "sources/fetcherror.h"

#include <QList>

#include <variant>

// A deployment client's answer: the deployments, newest first, or why there are none.
using DeployResult = std::variant<QList<DeployInfo>, FetchError>;
