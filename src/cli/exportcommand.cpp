// SPDX-License-Identifier: MIT
#include "cli/exportcommand.h"

#include "app/adoption.h"
#include "model/store.h"

#include <QTextStream>

namespace ExportCommand {

int run(const QString &path)
{
    QTextStream err(stderr);
    const Store store(Store::defaultDir());
    StoreData document = StoreData::defaultDocument();
    const Store::Loaded loaded = store.load(QDateTime::currentDateTimeUtc());
    if (const auto *unreadable = std::get_if<Store::Unreadable>(&loaded)) {
        err << "quaylin: the data file " << store.filePath() << " cannot be read ("
            << unreadable->message << "); no backup written\n";
        return 1;
    }
    if (const auto *data = std::get_if<StoreData>(&loaded))
        document = *data;

    document = adoptedDocument(document);
    document.didSeed = true;
    const FileResult written = Store::writeDocument(document, path);
    if (!written.ok()) {
        err << "quaylin: " << *written.error << '\n';
        return 1;
    }
    return 0;
}

} // namespace ExportCommand
