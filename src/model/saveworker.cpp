// SPDX-License-Identifier: MIT
#include "model/saveworker.h"

SaveWorker::SaveWorker(Store store, std::optional<StoreData> onDisk, QObject *parent)
    : QObject(parent)
    , m_store(std::move(store))
    , m_written(std::move(onDisk))
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

FileResult SaveWorker::write(const StoreData &snapshot)
{
    // Lists that were copied from the same lists compare in constant time.
    if (m_written == snapshot)
        return {};
    FileResult result = m_store.save(snapshot, &m_cardCache);
    if (result.ok())
        m_written = snapshot;
    return result;
}

void SaveWorker::report()
{
    std::optional<FileResult> result;
    {
        const std::lock_guard lock(m_mutex);
        result = std::exchange(m_unreported, std::nullopt);
    }
    if (result)
        Q_EMIT finished(*result);
}
