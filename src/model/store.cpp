// SPDX-License-Identifier: MIT
#include "model/store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

namespace {

using namespace Qt::StringLiterals;

// A real data file is a few megabytes; anything this big is not ours, and reading it whole
// could exhaust memory.
constexpr qint64 maxDocumentBytes = 256 * 1024 * 1024;

bool pathTaken(const QString &path)
{
    // A dangling link counts as taken: exists() alone reports it missing.
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

QString Store::defaultDir()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + "/.local/share"_L1;
    return base + "/Quaylin"_L1;
}

Store::Store(QString dir)
    : m_dir(std::move(dir))
{
}

QString Store::dir() const
{
    QDir().mkpath(m_dir);
    return m_dir;
}

QString Store::filePath() const
{
    // Not through dir(): reading must not create folders (`quaylin status` writes nothing).
    return m_dir + "/store.json"_L1;
}

QString Store::lockFilePath() const
{
    return dir() + "/store.json.lock"_L1;
}

Store::Loaded Store::load(const QDateTime &now) const
{
    return readDocument(filePath(), now);
}

Store::Loaded Store::readDocument(const QString &path, const QDateTime &now)
{
    QFile file(path);
    if (!pathTaken(file.fileName()))
        return Missing{};
    if (!file.open(QIODevice::ReadOnly))
        return Unreadable{u"cannot open %1: %2"_s.arg(file.fileName(), file.errorString())};
    if (file.size() > maxDocumentBytes)
        return Unreadable{u"%1 is too large (%2 bytes)"_s.arg(file.fileName()).arg(file.size())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Unreadable{u"cannot read %1: %2"_s.arg(file.fileName(), file.errorString())};

    RecordJson::Decoded<StoreData> decoded = RecordJson::decodeDocument(bytes, now);
    if (const auto *error = std::get_if<RecordJson::DecodeError>(&decoded))
        return Unreadable{error->message};
    return std::move(std::get<StoreData>(decoded));
}

QString Store::setAsideUnreadable(const QDateTime &now) const
{
    const QString source = filePath();
    if (!pathTaken(source))
        return {};
    const QString stem =
        source + ".unreadable-"_L1 + now.toLocalTime().toString(u"yyyyMMdd-HHmmss");
    // Two failures within one second must not overwrite the first one set aside. QFile::rename
    // itself refuses an existing target, so a name taken meanwhile is skipped too.
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        const QString target = attempt == 1 ? stem : stem + u'-' + QString::number(attempt);
        if (pathTaken(target))
            continue;
        if (QFile::rename(source, target))
            return target;
        if (!pathTaken(target))
            return {}; // the rename failed for another reason (permissions, ...)
    }
    return {};
}

bool Store::save(const StoreData &data) const
{
    return writeAtomically(dir() + "/store.json"_L1,
                           RecordJson::encodeDocument(data, &m_cardCache));
}

bool Store::writeDocument(const StoreData &data, const QString &path)
{
    return writeAtomically(path, RecordJson::encodeDocument(data));
}

bool Store::writeAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // No direct-write fallback: an unwritable folder fails instead of writing in place.
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
