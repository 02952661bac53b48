// SPDX-License-Identifier: MIT
#pragma once

#include "model/cardjsoncache.h"
#include "model/fileresult.h"
#include "model/filestamp.h"
#include "model/store.h"
#include "model/storedata.h"

#include <QObject>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// Writes snapshots of the document to the data file on a thread of its own, so saving never
// blocks the thread that owns the data. Snapshots are written in the order given; one still
// waiting when a newer arrives is dropped, and one equal to what was last written successfully
// is not written again. A data file that another program changed since it was last read or
// written is never written over: it is moved aside first, and nothing is written when that
// fails. Made, fed and waited for on one thread; the lock is this class's alone.
class SaveWorker final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SaveWorker)

public:
    // `onDisk`: the document the data file already holds, when known, so saving it unchanged
    // writes nothing.
    explicit SaveWorker(Store store, std::optional<StoreData> onDisk = std::nullopt,
                        QObject *parent = nullptr);
    // Finishes the write in hand and the one waiting, without reporting them.
    ~SaveWorker() override;

    // Hands over a snapshot and returns at once. The lists are implicitly shared, so a copy of
    // the owner's lists costs next to nothing.
    void save(StoreData snapshot);
    // Returns once the latest snapshot is written or has failed, after reporting it.
    void waitForPendingSaves();

    // The data file as this worker last read or wrote it.
    FileStamp knownStamp() const;
    // After the owner read the data file again (nothing pending): `document` as read, at
    // `stamp`; none forgets what was written, so the next snapshot is written whatever it holds.
    void setOnDisk(std::optional<StoreData> document, const FileStamp &stamp);

Q_SIGNALS:
    // The outcome of the latest write, on the owner's thread. Outcomes overtaken by a newer one
    // before they were reported are not reported.
    void finished(const FileResult &result);
    // Another program's version of the data file was moved to `path` before a write.
    void otherVersionKept(const QString &path);

private:
    void run();
    FileResult write(const StoreData &snapshot);
    void report();

    // Touched by the writing thread only (and by the constructor before it starts).
    Store m_store;
    std::optional<StoreData> m_written;
    CardJsonCache m_cardCache;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<StoreData> m_waiting; // guarded by m_mutex, as are the three below
    bool m_writing = false;
    bool m_stopping = false;
    std::optional<FileResult> m_unreported;
    std::optional<QString> m_unreportedKept;
    FileStamp m_known;

    // Plain std:: primitives rather than Qt's: ThreadSanitizer sees through them, and it cannot
    // see through QMutex or QThread::wait().
    std::thread m_thread;
};
