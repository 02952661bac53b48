// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// One deployment at Netlify or Vercel (Vercel's state word already normalised).
struct DeployInfo {
    QString id;
    QString state;
    QDateTime createdAt;
    std::optional<QString> errorMessage;
    std::optional<QString> branch;

    friend bool operator==(const DeployInfo &, const DeployInfo &) = default;
};
