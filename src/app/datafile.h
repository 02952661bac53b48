// SPDX-License-Identifier: MIT
#pragma once

#include "app/startdocument.h"
#include "model/saveworker.h"
#include "model/store.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The data file the model keeps its document in: snapshots go to a writing thread, failures
// are reported, and an unreadable file found at start is moved aside before anything can
// overwrite it.
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

    // Hands the snapshot to the writing thread and returns at once.
    void save(StoreData document);
    // Blocks until every snapshot handed over is on disk or its save has failed, and updates
    // saveError (emitting saveErrorChanged) before it returns. Export and the command line
    // call it before they go on.
    void waitForPendingSaves();

Q_SIGNALS:
    void saveErrorChanged();

private:
    void setSaveError(const std::optional<QString> &error);

    Store m_store;
    std::function<QDateTime()> m_now;
    QString m_setAsidePath;
    // An unreadable data file that could not be moved aside yet blocks every save, so it is
    // never overwritten.
    bool m_unreadableInPlace = false;
    std::optional<QString> m_saveError;
    std::unique_ptr<SaveWorker> m_saver;
};
