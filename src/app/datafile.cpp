// SPDX-License-Identifier: MIT
#include "app/datafile.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include <chrono>

DataFile::DataFile(Store store, const StartDocument::Opened &opened, std::function<QDateTime()> now,
                   QObject *parent)
    : QObject(parent)
    , m_store(std::move(store))
    , m_now(std::move(now))
    , m_watcher(new QFileSystemWatcher(this))
    , m_settle(new QTimer(this))
{
    if (opened.unreadable) {
        // The first save would overwrite it; keep the user's bytes beside the new file.
        m_setAsidePath = m_store.setAside(Store::AsideReason::Unreadable, m_now());
        m_unreadableInPlace = m_setAsidePath.isEmpty();
    }
    m_latest = opened.document;
    m_saver = std::make_unique<SaveWorker>(m_store, opened.onDisk);
    connect(m_saver.get(), &SaveWorker::finished, this, [this](const FileResult &result) {
        setSaveError(result.error);
        watch(); // the first save may have made the folder
    });
    connect(m_saver.get(), &SaveWorker::otherVersionKept, this, [this](const QString &path) {
        m_keptOtherVersionPath = path;
        Q_EMIT otherVersionKept();
    });

    m_settle->setSingleShot(true);
    m_settle->setInterval(std::chrono::milliseconds(300));
    connect(m_settle, &QTimer::timeout, this, &DataFile::checkForChanges);
    const auto noticed = [this] {
        watch(); // a file renamed over the old one is a new file to watch
        m_settle->start();
    };
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, noticed);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, noticed);
    watch();
}

void DataFile::watch()
{
    // The folder tells of a file renamed over the data file or removed, the file of a write
    // in place.
    const QString dir = QFileInfo(path()).absolutePath();
    if (QFileInfo::exists(dir) && !m_watcher->directories().contains(dir))
        m_watcher->addPath(dir);
    if (QFileInfo::exists(path()) && !m_watcher->files().contains(path()))
        m_watcher->addPath(path());
}

void DataFile::checkForChanges()
{
    m_saver->waitForPendingSaves();
    const FileStamp found = FileStamp::of(path());
    if (found == m_saver->knownStamp())
        return; // our own write, or nothing new
    // Reading it now would drop what is ours and not on disk yet; a missing file has nothing.
    if (m_saveError || !found.exists) {
        saveOverOtherVersion();
        return;
    }
    Q_EMIT changedOnDisk();
}

void DataFile::setOnDisk(const StoreData &onDisk, const FileStamp &stamp)
{
    m_latest = onDisk;
    m_saver->setOnDisk(onDisk, stamp);
}

void DataFile::saveOverOtherVersion()
{
    m_saver->waitForPendingSaves();
    m_saver->setOnDisk(std::nullopt, m_saver->knownStamp());
    save(m_latest);
}

DataFile::~DataFile() = default;

void DataFile::save(StoreData document)
{
    m_latest = document;
    if (m_unreadableInPlace) {
        m_setAsidePath = m_store.setAside(Store::AsideReason::Unreadable, m_now());
        m_unreadableInPlace = m_setAsidePath.isEmpty();
        if (m_unreadableInPlace) {
            setSaveError(QStringLiteral("cannot move the unreadable %1 aside; nothing is saved")
                             .arg(path()));
            return;
        }
    }
    m_saver->save(std::move(document));
}

bool DataFile::saveAgain()
{
    waitForPendingSaves();
    if (m_saveError) {
        save(m_latest);
        waitForPendingSaves();
    }
    return !m_saveError;
}

void DataFile::waitForPendingSaves()
{
    m_saver->waitForPendingSaves();
}

void DataFile::setSaveError(const std::optional<QString> &error)
{
    if (m_saveError == error)
        return;
    m_saveError = error;
    Q_EMIT saveErrorChanged();
}
