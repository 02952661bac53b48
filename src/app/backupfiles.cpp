// SPDX-License-Identifier: MIT
#include "app/backupfiles.h"

#include "app/appmodel.h"
#include "app/datafile.h"
#include "model/store.h"

namespace BackupFiles {

FileResult exportBackup(AppModel &model, const QString &path)
{
    model.dataFile().waitForPendingSaves();
    const StoreData document{model.projects(), model.cards(), true, model.labels(),
                             model.folders()};
    return Store::writeDocument(document, path);
}

FileResult importBackup(AppModel &model, const QString &path)
{
    const Store::Loaded loaded = Store::readDocument(path, model.now());
    if (const auto *unreadable = std::get_if<Store::Unreadable>(&loaded))
        return FileResult::failure(unreadable->message);
    const auto *document = std::get_if<StoreData>(&loaded);
    if (!document)
        return FileResult::failure(QStringLiteral("%1 does not exist").arg(path));
    model.restore(*document);
    return {};
}

} // namespace BackupFiles
