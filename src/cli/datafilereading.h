// SPDX-License-Identifier: MIT
#pragma once

#include "model/store.h"
#include "model/storedata.h"

#include <QStringView>

#include <optional>

namespace DataFileReading {

// The data file's document as it is on disk, the default document when there is none yet;
// none when it cannot be read, after saying so on standard error ("quaylin: the data file …
// cannot be read (why)", then "; " and `consequence` when one is given). Writes nothing.
std::optional<StoreData> read(const Store &store, QStringView consequence = {});

} // namespace DataFileReading
