// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QString>

namespace Translations {

// The Czech-to-English dictionary, built once on first use and read-only afterwards.
const QHash<QString, QString> &dictionary();
// Whether dictionary() has been built in this process (the Czech path never builds it).
bool isBuilt();

} // namespace Translations
