// SPDX-License-Identifier: MIT
#include "sources/pathwatcher.h"

#include <QStorageInfo>

FileSystemPathWatcher::FileSystemPathWatcher(QObject *parent)
    : PathWatcher(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &PathWatcher::changed);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &PathWatcher::changed);
}

QStringList FileSystemPathWatcher::watch(const QStringList &paths)
{
    return paths.isEmpty() ? QStringList() : m_watcher.addPaths(paths);
}

void FileSystemPathWatcher::unwatch(const QStringList &paths)
{
    if (!paths.isEmpty())
        m_watcher.removePaths(paths);
}

bool FileSystemPathWatcher::notifies(const QString &path) const
{
    const QByteArray type = QStorageInfo(path).fileSystemType();
    static const QByteArrayList remote{
        "nfs",  "nfs4",      "cifs",   "smb3",  "smbfs",      "afs",         "9p",
        "ceph", "glusterfs", "lustre", "davfs", "fuse.sshfs", "fuse.rclone", "fuse.gvfsd-fuse"};
    return !remote.contains(type);
}
