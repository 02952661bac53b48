// SPDX-License-Identifier: MIT
#pragma once

#include "model/cardjsoncache.h"
#include "model/recordjson.h"
#include "model/storedata.h"

#include <QDateTime>
#include <QString>

#include <variant>

// Where the data file lives and how it is read and written. Every write is atomic: a complete
// new file replaces the old one, so a crash leaves either the old or the new document.
class Store final {
public:
    // The per-user data folder (GenericDataLocation/Quaylin).
    static QString defaultDir();

    explicit Store(QString dir);

    // The data folder; created (with parents) on every call, failures ignored.
    QString dir() const;
    QString filePath() const;     // the data folder + "/store.json"; creates nothing
    QString lockFilePath() const; // dir() + "/store.json.lock"

    struct Missing {};
    struct Unreadable {
        QString message;
    };
    using Loaded = std::variant<StoreData, Missing, Unreadable>;
    // Reads and decodes the data file; never writes.
    Loaded load(const QDateTime &now) const;
    // The same for any document, such as a backup file.
    static Loaded readDocument(const QString &path, const QDateTime &now);

    // Renames an unreadable data file to "store.json.unreadable-<yyyyMMdd-HHmmss>" so the
    // first save cannot overwrite it. Returns the new path, or an empty string on failure.
    QString setAsideUnreadable(const QDateTime &now) const;

    // Remembers the cards it wrote, so the next save rebuilds only the changed ones.
    bool save(const StoreData &data) const;

    // Encodes with the data file's encoding and writes atomically to `path`.
    static bool writeDocument(const StoreData &data, const QString &path);
    static bool writeAtomically(const QString &path, const QByteArray &bytes);

private:
    QString m_dir;
    mutable CardJsonCache m_cardCache;
};
