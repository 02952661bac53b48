// SPDX-License-Identifier: MIT
#include "model/store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace {

using namespace Qt::StringLiterals;

bool pathTaken(const QString &path)
{
    // A dangling link counts as taken: exists() alone reports it missing.
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Something there (following links) that is not a regular file: a folder, a FIFO, a device.
bool takenByNonRegular(const QFileInfo &info)
{
    return info.exists() && !info.isFile();
}

QString notRegularMessage(const QString &path)
{
    return u"%1 is not a regular file"_s.arg(path);
}

// Opens a regular file for reading. O_NONBLOCK: should a FIFO have taken the file's place
// since it was checked, the open returns at once instead of waiting for a writer.
std::optional<QString> openRegularFile(QFile &file)
{
    const QString path = file.fileName();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return u"cannot open %1: %2"_s.arg(path, qt_error_string(errno));
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return notRegularMessage(path);
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return u"cannot open %1: %2"_s.arg(path, file.errorString());
    }
    return std::nullopt;
}

FileResult writeFailure(const QString &path, const QString &reason)
{
    return FileResult::failure(u"cannot write %1: %2"_s.arg(path, reason));
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

Store::Loaded Store::readDocument(const QString &path, const QDateTime &now, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!pathTaken(path))
        return Missing{};
    // Refused unopened: opening a FIFO waits for a writer, and a device may never end.
    if (takenByNonRegular(info))
        return Unreadable{notRegularMessage(path)};
    QFile file(path);
    if (const std::optional<QString> refused = openRegularFile(file))
        return Unreadable{*refused};
    const auto tooLarge = [&](qint64 size) {
        return Unreadable{u"%1 is too large (%2 bytes)"_s.arg(path).arg(size)};
    };
    if (file.size() > maxBytes)
        return tooLarge(file.size());

    // Counted while reading: the reported size is only a hint (a file that grows meanwhile, or
    // one of the kernel's, which report none).
    constexpr qint64 chunk = 1024 * 1024;
    QByteArray bytes;
    bytes.reserve(qsizetype(file.size()));
    for (;;) {
        const qsizetype used = bytes.size();
        bytes.resize(used + chunk);
        const qint64 read = file.read(bytes.data() + used, chunk);
        bytes.resize(used + qMax<qint64>(read, 0));
        if (read <= 0)
            break;
        if (bytes.size() > maxBytes)
            return tooLarge(bytes.size());
    }
    if (file.error() != QFileDevice::NoError)
        return Unreadable{u"cannot read %1: %2"_s.arg(path, file.errorString())};

    RecordJson::Decoded<StoreData> decoded = RecordJson::decodeDocument(bytes, now);
    if (const auto *error = std::get_if<RecordJson::DecodeError>(&decoded))
        return Unreadable{error->message};
    return std::move(std::get<StoreData>(decoded));
}

QString Store::setAside(AsideReason reason, const QDateTime &now) const
{
    const QString source = filePath();
    if (!pathTaken(source))
        return {};
    const QLatin1StringView kind =
        reason == AsideReason::Unreadable ? ".unreadable-"_L1 : ".changed-elsewhere-"_L1;
    const QString stem = source + kind + now.toLocalTime().toString(u"yyyyMMdd-HHmmss");
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

FileResult Store::save(const StoreData &data, CardJsonCache *cache) const
{
    return writeAtomically(dir() + "/store.json"_L1, RecordJson::encodeDocument(data, cache));
}

FileResult Store::writeDocument(const StoreData &data, const QString &path)
{
    return writeAtomically(path, RecordJson::encodeDocument(data));
}

FileResult Store::writeAtomically(const QString &path, const QByteArray &bytes)
{
    if (takenByNonRegular(QFileInfo(path)))
        return FileResult::failure(notRegularMessage(path));
    QSaveFile file(path);
    // Unbuffered: Qt 6.4 keeps a small document in its buffer until commit(), ignores a write
    // that fails there (a full disk) and renames the cut-short file over the old one. Written
    // directly, every write reports; a short one is retried and then fails with the reason.
    // No direct-write fallback: an unwritable folder fails instead of writing in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(path, file.errorString());
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return writeFailure(path, reason);
        }
        written += count;
    }
    // commit() syncs too but ignores the outcome; a disk may take the bytes and fail to store
    // them (an I/O error, a full network share).
    if (::fsync(file.handle()) != 0) {
        const QString reason = qt_error_string(errno);
        file.cancelWriting();
        return writeFailure(path, reason);
    }
    if (!file.commit())
        return writeFailure(path, file.errorString());
    return {};
}
