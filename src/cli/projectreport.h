// SPDX-License-Identifier: MIT
#pragma once

#include "app/projectruntime.h"
#include "model/projectconfig.h"

#include <QString>

#include <optional>

// What `quaylin status` knows of one project after one refresh.
struct ProjectReport {
    ProjectConfig project;
    std::optional<QString> folderName;
    std::optional<QString> deployService; // the title of the service it deploys to
    int openCards = 0;
    int overdueCards = 0;
    ProjectRuntime runtime;
    std::optional<QString> attention;
};
