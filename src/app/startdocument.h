// SPDX-License-Identifier: MIT
#pragma once

#include "model/store.h"
#include "model/storedata.h"

#include <QDateTime>
#include <QString>

#include <optional>

// What start-up makes of the data file before the model adopts it. Apart from the model so
// the command line can read the very same document without writing anything.
namespace StartDocument {

struct Opened {
    StoreData document;                // ready to adopt
    std::optional<StoreData> onDisk;   // the data file's document as read, when it could be
    std::optional<QString> unreadable; // why the data file could not be read
    bool needsSave = false;            // seeding or the index repair changed the document
};

// Reads the data file and prepares it: the default document when the file is missing or
// unreadable, the seed projects on a first run (beside any projects already there), the
// default labels for an empty list, duplicate project indices renumbered. Writes nothing: an
// unreadable file stays where it is (Store::setAside moves it).
Opened open(const Store &store, const QDateTime &now, const QString &loginName,
            const QString &homeDir);

// Renumbers the projects 0, 1, 2, … in list order when two share an index; true when it did.
bool repairDuplicateIndices(QList<ProjectConfig> &projects);

} // namespace StartDocument
