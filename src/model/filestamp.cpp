// SPDX-License-Identifier: MIT
#include "model/filestamp.h"

#include <QFile>

#include <sys/stat.h>

FileStamp FileStamp::of(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    constexpr qint64 billion = 1'000'000'000;
    return {true,
            quint64(info.st_dev),
            quint64(info.st_ino),
            qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * billion + info.st_mtim.tv_nsec,
            qint64(info.st_ctim.tv_sec) * billion + info.st_ctim.tv_nsec};
}
