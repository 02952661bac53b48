// SPDX-License-Identifier: MIT
#include "model/saveworker.h"

SaveWorker::SaveWorker(Store store, std::optional<StoreData> onDisk, QObject *parent)
    : QObject(parent)
    , m_store(std::move(store))
    , m_written(std::move(onDisk))
    , m_known(FileStamp::of(m_store.filePath()))
    , m_thread([this] { run(); })
{
}

SaveWorker::~SaveWorker()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void SaveWorker::save(StoreData snapshot)
{
    {
        const std::lock_guard lock(m_mutex);
        m_waiting = std::move(snapshot);
    }
    m_changed.notify_all();
}

void SaveWorker::waitForPendingSaves()
{
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_waiting && !m_writing; });
    }
    // The queued report may not have run yet (or ever, without an event loop).
    report();
}

void SaveWorker::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_waiting || m_stopping; });
        if (!m_waiting)
            return;
        const StoreData snapshot = std::move(*m_waiting);
        m_waiting.reset();
        m_writing = true;
        lock.unlock();
        const FileResult result = write(snapshot);
        lock.lock();
        m_writing = false;
        m_unreported = result;
        m_changed.notify_all();
        QMetaObject::invokeMethod(this, &SaveWorker::report, Qt::QueuedConnection);
    }
}

FileStamp SaveWorker::knownStamp() const
{
    const std::lock_guard lock(m_mutex);
    return m_known;
}

void SaveWorker::setOnDisk(std::optional<StoreData> document, const FileStamp &stamp)
{
    const std::lock_guard lock(m_mutex);
    m_written = std::move(document);
    m_known = stamp;
}

FileResult SaveWorker::write(const StoreData &snapshot)
{
    // Lists that were copied from the same lists compare in constant time.
    if (m_written == snapshot)
        return {};
    const QString path = m_store.filePath();
    const FileStamp found = FileStamp::of(path);
    if (found.exists && found != knownStamp()) {
        // Written by someone else since we last looked: theirs is kept beside ours.
        const QString kept =
            m_store.setAside(Store::AsideReason::ChangedElsewhere, QDateTime::currentDateTime());
        if (kept.isEmpty())
            return FileResult::failure(
                QStringLiteral("cannot keep aside the version of %1 another program wrote; "
                               "nothing is saved")
                    .arg(path));
        const std::lock_guard lock(m_mutex);
        m_unreportedKept = kept;
    }
    FileResult result = m_store.save(snapshot, &m_cardCache);
    const FileStamp written = FileStamp::of(path);
    const std::lock_guard lock(m_mutex);
    if (result.ok()) {
        m_written = snapshot;
        m_known = written;
    } else if (found != m_known) {
        m_known = written; // theirs is aside (or was gone): what is there now is no one's
    }
    return result;
}

void SaveWorker::report()
{
    std::optional<FileResult> result;
    std::optional<QString> kept;
    {
        const std::lock_guard lock(m_mutex);
        result = std::exchange(m_unreported, std::nullopt);
        kept = std::exchange(m_unreportedKept, std::nullopt);
    }
    if (kept)
        Q_EMIT otherVersionKept(*kept);
    if (result)
        Q_EMIT finished(*result);
}
