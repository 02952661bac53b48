// SPDX-License-Identifier: MIT
#include "cli/datafilereading.h"

#include "cli/terminal.h"

#include <QTextStream>

namespace DataFileReading {

std::optional<StoreData> read(const Store &store, QStringView consequence)
{
    const Store::Loaded loaded = store.load(QDateTime::currentDateTimeUtc());
    if (const auto *unreadable = std::get_if<Store::Unreadable>(&loaded)) {
        QTextStream err(stderr);
        err << "quaylin: the data file " << Terminal::escaped(store.filePath())
            << " cannot be read (" << Terminal::escaped(unreadable->message) << ')';
        if (!consequence.isEmpty())
            err << "; " << consequence;
        err << '\n';
        return std::nullopt;
    }
    if (const auto *data = std::get_if<StoreData>(&loaded))
        return *data;
    return StoreData::defaultDocument();
}

} // namespace DataFileReading
