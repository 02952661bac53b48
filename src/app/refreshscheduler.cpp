// SPDX-License-Identifier: MIT
#include "app/refreshscheduler.h"

#include <QPointer>

RefreshScheduler::RefreshScheduler(std::shared_ptr<StatusRefresher> refresher, RefreshHooks hooks,
                                   std::function<void()> afterPass,
                                   std::function<void()> afterDeploys,
                                   std::function<QDateTime()> now,
                                   std::chrono::milliseconds followUpInterval, QObject *parent)
    : QObject(parent)
    , m_refresher(std::move(refresher))
    , m_hooks(std::move(hooks))
    , m_afterPass(std::move(afterPass))
    , m_now(std::move(now))
    , m_followUp(m_refresher, m_hooks, std::move(afterDeploys), m_now, followUpInterval)
{
    m_timer.setInterval(autoRefreshSeconds * 1000);
    connect(&m_timer, &QTimer::timeout, this, &RefreshScheduler::requestRefresh);
}

void RefreshScheduler::startTimer()
{
    m_timer.start();
}

void RefreshScheduler::requestRefresh()
{
    m_requested = true;
    // A running pass starts the follow-up when it ends.
    if (m_passes > 0 || m_queued)
        return;
    m_queued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_queued = false;
            if (m_requested && m_passes == 0)
                refreshAll();
        },
        Qt::QueuedConnection);
}

QCoro::Task<> RefreshScheduler::refreshAll()
{
    QPointer guard(this);
    ++m_passes;
    // Covers every request made until now: the pass reads projects and tokens from here on.
    m_requested = false;
    setIsRefreshing(true);
    co_await m_refresher->refreshAll(m_hooks);
    if (!guard)
        co_return;
    takeGitHubLimit();

    m_afterPass();
    m_followUp.update();
    const std::optional<QDateTime> finished = m_now();
    if (m_lastRefresh != finished) {
        m_lastRefresh = finished;
        Q_EMIT lastRefreshChanged();
    }
    if (--m_passes > 0)
        co_return; // the last pass to end clears the flag
    if (m_requested) {
        refreshAll(); // the follow-up keeps the flag set
        co_return;
    }
    setIsRefreshing(false);
}

QCoro::Task<> RefreshScheduler::refreshGit()
{
    co_await m_refresher->refreshGit(m_hooks);
}

QCoro::Task<> RefreshScheduler::refreshGitOf(QUuid projectID)
{
    RefreshHooks one = m_hooks;
    one.projects = [all = m_hooks.projects, projectID] {
        QList<ProjectConfig> projects = all();
        projects.removeIf([&](const ProjectConfig &project) { return project.id != projectID; });
        return projects;
    };
    co_await m_refresher->refreshGit(std::move(one));
}

QCoro::Task<> RefreshScheduler::refreshGitHub()
{
    QPointer guard(this);
    co_await m_refresher->refreshGitHub(m_hooks);
    if (guard)
        takeGitHubLimit();
}

void RefreshScheduler::takeGitHubLimit()
{
    const std::optional<QDateTime> until = m_refresher->gitHubLimitedUntil();
    if (m_gitHubLimitedUntil == until)
        return;
    m_gitHubLimitedUntil = until;
    Q_EMIT gitHubLimitedUntilChanged();
}

void RefreshScheduler::setIsRefreshing(bool value)
{
    if (m_isRefreshing == value)
        return;
    m_isRefreshing = value;
    Q_EMIT isRefreshingChanged();
}
