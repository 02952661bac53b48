// SPDX-License-Identifier: MIT
#include "app/datafile.h"

DataFile::DataFile(Store store, const StartDocument::Opened &opened, std::function<QDateTime()> now,
                   QObject *parent)
    : QObject(parent)
    , m_store(std::move(store))
    , m_now(std::move(now))
{
    if (opened.unreadable) {
        // The first save would overwrite it; keep the user's bytes beside the new file.
        m_setAsidePath = m_store.setAsideUnreadable(m_now());
        m_unreadableInPlace = m_setAsidePath.isEmpty();
    }
    m_saver = std::make_unique<SaveWorker>(m_store, opened.onDisk);
    connect(m_saver.get(), &SaveWorker::finished, this,
            [this](const FileResult &result) { setSaveError(result.error); });
}

DataFile::~DataFile() = default;

void DataFile::save(StoreData document)
{
    if (m_unreadableInPlace) {
        m_setAsidePath = m_store.setAsideUnreadable(m_now());
        m_unreadableInPlace = m_setAsidePath.isEmpty();
        if (m_unreadableInPlace) {
            setSaveError(QStringLiteral("cannot move the unreadable %1 aside; nothing is saved")
                             .arg(path()));
            return;
        }
    }
    m_saver->save(std::move(document));
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
