// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What a deployment client returns instead of a list; the message is shown as the status.
struct FetchError {
    QString message;
    friend bool operator==(const FetchError &, const FetchError &) = default;
};
