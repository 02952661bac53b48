// SPDX-License-Identifier: MIT
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>

// Tells when a folder's entries or a file's contents change, without polling: the seam
// between live git and the system's file notifications, so tests can drive it.
class PathWatcher : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PathWatcher)

public:
    using QObject::QObject;

    // Returns the paths it could not watch: gone already, or past the system's watch limit.
    virtual QStringList watch(const QStringList &paths) = 0;
    virtual void unwatch(const QStringList &paths) = 0;
    // Whether changes under `path` are reported at all: not for network file systems, where
    // changes made on other machines never arrive.
    virtual bool notifies(const QString &path) const = 0;

Q_SIGNALS:
    void changed(const QString &path);
};

// The system's notifications (inotify) through one QFileSystemWatcher.
class FileSystemPathWatcher final : public PathWatcher {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FileSystemPathWatcher)

public:
    explicit FileSystemPathWatcher(QObject *parent = nullptr);

    QStringList watch(const QStringList &paths) override;
    void unwatch(const QStringList &paths) override;
    bool notifies(const QString &path) const override;

private:
    QFileSystemWatcher m_watcher;
};
