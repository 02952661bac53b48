// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUuid>

struct ChecklistItem {
    QUuid id;
    QString text;
    bool done = false;

    friend bool operator==(const ChecklistItem &, const ChecklistItem &) = default;
};
