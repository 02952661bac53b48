// SPDX-License-Identifier: MIT
#include "app/livegit.h"

#include "app/appmodel.h"
#include "sources/gitdirectory.h"
#include "sources/pathwatcher.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>
#include <utility>

namespace {

// What tells of a change in the folder's repository, or, while it has none, where one would
// appear.
QStringList pathsFor(const QString &localPath)
{
    if (localPath.isEmpty() || !QDir::isAbsolutePath(localPath))
        return {};
    if (const std::optional<GitDirectory> dir = GitDirectory::locate(localPath)) {
        // Index and HEAD are replaced by renames (entries of the git directory); a commit on
        // a branch in a subfolder of refs/heads shows only as HEAD's reflog growing.
        QStringList paths{localPath, dir->gitDir, dir->commonDir + u"/refs",
                          dir->commonDir + u"/refs/heads", dir->gitDir + u"/logs/HEAD"};
        paths.removeIf([](const QString &path) { return !QFileInfo::exists(path); });
        paths.removeDuplicates();
        return paths;
    }
    QString folder = QDir::cleanPath(localPath);
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            return {};
        folder = parent;
    }
    return {folder};
}

} // namespace

LiveGit::LiveGit(AppModel &model, std::unique_ptr<PathWatcher> watcher, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_watcher(std::move(watcher))
{
    m_burstEnd.setSingleShot(true);
    connect(&m_burstEnd, &QTimer::timeout, this, &LiveGit::flush);
    connect(m_watcher.get(), &PathWatcher::changed, this, &LiveGit::onChanged);
    connect(&m_model, &AppModel::projectsChanged, this, &LiveGit::track);
    track();
}

LiveGit::~LiveGit() = default;

bool LiveGit::isLive(const QUuid &projectID) const
{
    return m_watches.value(projectID).live;
}

void LiveGit::track()
{
    const QList<ProjectConfig> projects = m_model.projects();
    for (auto it = m_watches.begin(); it != m_watches.end();) {
        const bool kept = std::any_of(projects.cbegin(), projects.cend(), [&](const auto &p) {
            return p.id == it.key() && p.localPath == it->localPath;
        });
        if (kept) {
            ++it;
            continue;
        }
        release(*it);
        it = m_watches.erase(it);
    }
    for (const ProjectConfig &project : projects) {
        if (!m_watches.contains(project.id))
            arm(project.id, project.localPath);
    }
}

void LiveGit::arm(const QUuid &projectID, const QString &localPath)
{
    Watch &watch = m_watches[projectID];
    release(watch);
    watch.localPath = localPath;
    const QStringList paths = pathsFor(localPath);
    if (paths.isEmpty() || !m_watcher->notifies(paths.constFirst()))
        return;

    QStringList fresh;
    for (const QString &path : paths) {
        if (m_users.value(path) == 0)
            fresh.append(path);
    }
    // A path that could not be watched (it went away meanwhile, or the system's limit is
    // reached) leaves the project to the periodic refresh.
    const QStringList failed = m_watcher->watch(fresh);
    for (const QString &path : paths)
        ++m_users[path];
    watch.paths = paths;
    watch.live = failed.isEmpty();
    if (!watch.live)
        release(watch);
}

void LiveGit::release(Watch &watch)
{
    QStringList unused;
    for (const QString &path : std::as_const(watch.paths)) {
        if (--m_users[path] <= 0) {
            m_users.remove(path);
            unused.append(path);
        }
    }
    m_watcher->unwatch(unused);
    watch.paths.clear();
    watch.live = false;
}

void LiveGit::onChanged(const QString &path)
{
    for (auto it = m_watches.cbegin(); it != m_watches.cend(); ++it) {
        if (it->paths.contains(path))
            m_pending.insert(it.key());
    }
    if (m_pending.isEmpty())
        return;
    if (!m_burstEnd.isActive())
        m_burst.start();
    const auto left = longest - std::chrono::milliseconds(m_burst.elapsed());
    m_burstEnd.start(std::clamp(left, std::chrono::milliseconds(0), quiet));
}

void LiveGit::flush()
{
    const QSet<QUuid> pending = std::exchange(m_pending, {});
    for (const QUuid &projectID : pending) {
        const auto watch = m_watches.constFind(projectID);
        if (watch == m_watches.cend())
            continue;
        // Watched anew: a clone may have made the repository, a first commit HEAD's reflog,
        // and a file that was replaced is no longer watched.
        const QString localPath = watch->localPath; // arm() rewrites the entry
        arm(projectID, localPath);
        if (m_reading.contains(projectID))
            m_again.insert(projectID);
        else
            reread(projectID);
    }
}

QCoro::Task<> LiveGit::reread(QUuid projectID)
{
    const QPointer guard(this);
    m_reading.insert(projectID);
    co_await m_model.refreshes().refreshGitOf(projectID);
    if (!guard)
        co_return;
    m_reading.remove(projectID);
    if (m_again.remove(projectID))
        reread(projectID);
}
