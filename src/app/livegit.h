// SPDX-License-Identifier: MIT
#pragma once

#include <QCoroTask>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <QUuid>

#include <chrono>
#include <memory>

class AppModel;
class PathWatcher;

// Keeps each project's git state current without polling: watches its repository (HEAD, the
// index, the branch refs, HEAD's reflog and the work tree's top level) and re-reads that one
// project once per burst of changes, since a rebase writes hundreds of times. A folder that is
// no repository yet is watched through itself or its nearest existing parent, so a clone into
// it is picked up. Projects it cannot watch (past the system's watch limit, on a network file
// system) are left to the periodic refresh, quietly. Nothing runs while nothing changes.
class LiveGit final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LiveGit)

public:
    // A burst ends after this much quiet, or this long after it began, whichever comes first.
    static constexpr std::chrono::milliseconds quiet{100};
    static constexpr std::chrono::milliseconds longest{400};

    LiveGit(AppModel &model, std::unique_ptr<PathWatcher> watcher, QObject *parent = nullptr);
    ~LiveGit() override;

    // Whether changes in the project's folder are seen as they happen.
    bool isLive(const QUuid &projectID) const;

private:
    struct Watch {
        QString localPath;
        QStringList paths;
        bool live = false;
    };

    // Follows the project list: new projects are watched, removed ones let go.
    void track();
    // Watches what the project's folder needs now, in place of what it needed before.
    void arm(const QUuid &projectID, const QString &localPath);
    void release(Watch &watch);
    void onChanged(const QString &path);
    void flush();
    QCoro::Task<> reread(QUuid projectID);

    AppModel &m_model;
    std::unique_ptr<PathWatcher> m_watcher;
    QHash<QUuid, Watch> m_watches;
    QHash<QString, int> m_users; // projects watching each path
    QSet<QUuid> m_pending;       // changed, waiting for the burst to end
    QSet<QUuid> m_reading;
    QSet<QUuid> m_again; // changed again while being read
    QTimer m_burstEnd;
    QElapsedTimer m_burst;
};
