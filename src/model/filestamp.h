// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

// Tells one version of a file from another without reading it: which file the path names, its
// size and when its contents and its entry last changed (to the nanosecond). Any write to the
// file changes it, and so does another file renamed over it, also by a tool that keeps the old
// modification time. Anything but a regular file (a folder, a FIFO) reads as no file: it is
// never ours to read, keep aside or replace.
struct FileStamp {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;

    static FileStamp of(const QString &path);

    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};
