// SPDX-License-Identifier: MIT
#pragma once

#include "model/fileresult.h"
#include "model/recordjson.h"
#include "model/storedata.h"

#include <QDateTime>
#include <QString>

#include <variant>

class CardJsonCache;

// Where the data file lives and how it is read and written. Every write is atomic: a complete
// new file replaces the old one, so a crash leaves either the old or the new document, and a
// write that fails (a full disk) leaves the old file as it was. Holds no state but the folder,
// so copies may be used on any thread.
class Store final {
public:
    // A real data file is a few megabytes; anything this big is not ours, and reading it whole
    // could exhaust memory.
    static constexpr qint64 maxDocumentBytes = 256 * 1024 * 1024;

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
    // The same for any document, such as a backup file. Only a regular file is read (a FIFO or
    // a device is refused unopened), and no more than `maxBytes` of it.
    static Loaded readDocument(const QString &path, const QDateTime &now,
                               qint64 maxBytes = maxDocumentBytes);

    // Why the data file is moved aside, naming the copy: "store.json.unreadable-<stamp>" or
    // "store.json.changed-elsewhere-<stamp>" (yyyyMMdd-HHmmss).
    enum class AsideReason { Unreadable, ChangedElsewhere };
    // Renames the data file to its name for `reason` so no save can overwrite it. Returns the
    // new path, or an empty string when there is no file or the rename failed.
    QString setAside(AsideReason reason, const QDateTime &now) const;

    // Writes the data file (creating the folder). A cache, when given, spares rebuilding the
    // cards that have not changed since its last use.
    FileResult save(const StoreData &data, CardJsonCache *cache = nullptr) const;

    // Encodes with the data file's encoding and writes atomically to `path`.
    static FileResult writeDocument(const StoreData &data, const QString &path);
    // Replaces `path` by a file holding exactly `bytes`, or leaves it untouched and says why.
    // Something at `path` that is not a regular file (a folder, a FIFO, a device) is never
    // replaced.
    static FileResult writeAtomically(const QString &path, const QByteArray &bytes);

private:
    QString m_dir;
};
