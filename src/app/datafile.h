// SPDX-License-Identifier: MIT
#pragma once

#include "app/startdocument.h"
#include "model/saveworker.h"
#include "model/store.h"

#include <QDateTime>
#include <QObject>

class QFileSystemWatcher;
class QTimer;
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The data file the model keeps its document in: snapshots go to a writing thread, failures
// are reported, and an unreadable file found at start is moved aside before anything can
// overwrite it. The file is watched: when another program changes it while everything of ours
// is on disk, changedOnDisk asks the model to read it again; when ours is still to be saved (or
// the other version is unreadable or gone), the other version is moved aside and ours saved.
// The application's own writes are told apart by the file's stamp.
class DataFile final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataFile)

public:
    // `opened`: what start-up read from `store`.
    DataFile(Store store, const StartDocument::Opened &opened, std::function<QDateTime()> now,
             QObject *parent = nullptr);
    // Finishes the pending save, so quitting loses nothing.
    ~DataFile() override;

    QString path() const { return m_store.filePath(); }
    // Where the unreadable data file found at start was moved, if anywhere.
    QString setAsidePath() const { return m_setAsidePath; }
    // Why the latest save failed, naming the data file and the system's reason ("cannot write
    // …/store.json: No space left on device"); absent once a save has succeeded again. Kept
    // from the failure until then; saveErrorChanged tells both moments.
    std::optional<QString> saveError() const { return m_saveError; }

    // Where another program's version of the data file was kept when ours was saved in its
    // place; empty until then. otherVersionKept tells each time.
    QString keptOtherVersionPath() const { return m_keptOtherVersionPath; }

    // The document last handed over to be saved (or adopted at start).
    StoreData latest() const { return m_latest; }

    // Hands the snapshot to the writing thread and returns at once.
    void save(StoreData document);
    // Waits for pending saves and, when the latest failed, tries it once more; true once
    // everything is on disk.
    bool saveAgain();
    // The model has read the data file again: `onDisk` as read, at `stamp` (taken before).
    void setOnDisk(const StoreData &onDisk, const FileStamp &stamp);
    // Keeps the other version found on disk aside and saves the latest document in its place.
    void saveOverOtherVersion();
    // Looks at the data file now, as a change notice would (after the notices settle).
    void checkForChanges();
    // Blocks until every snapshot handed over is on disk or its save has failed, and updates
    // saveError (emitting saveErrorChanged) before it returns. Export and the command line
    // call it before they go on.
    void waitForPendingSaves();

Q_SIGNALS:
    void saveErrorChanged();
    void otherVersionKept();
    // Another program changed the data file and nothing of ours is waiting to be saved.
    void changedOnDisk();

private:
    void setSaveError(const std::optional<QString> &error);
    void watch();

    Store m_store;
    std::function<QDateTime()> m_now;
    QString m_setAsidePath;
    // An unreadable data file that could not be moved aside yet blocks every save, so it is
    // never overwritten.
    bool m_unreadableInPlace = false;
    std::optional<QString> m_saveError;
    QString m_keptOtherVersionPath;
    StoreData m_latest; // the document last handed over (or adopted at start)
    std::unique_ptr<SaveWorker> m_saver;
    QFileSystemWatcher *m_watcher;
    // Editors and sync tools write in steps; the file is looked at once they have settled.
    QTimer *m_settle;
};
