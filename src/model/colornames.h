// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The colour names labels and card covers store. Anything else (and "gray" itself) draws gray.
namespace ColorNames {

QStringList all(); // red, orange, yellow, green, blue, purple, gray
// The name to draw with: the name itself when it is one of the six colours, else "gray".
QString resolved(const QString &name);

} // namespace ColorNames
