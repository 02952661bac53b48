// SPDX-License-Identifier: MIT
#include "app/deployfollowup.h"

#include <QPointer>

#include <algorithm>

DeployFollowUp::DeployFollowUp(std::shared_ptr<StatusRefresher> refresher, RefreshHooks hooks,
                               std::function<void()> afterRead, std::function<QDateTime()> now,
                               std::chrono::milliseconds interval, QObject *parent)
    : QObject(parent)
    , m_refresher(std::move(refresher))
    , m_hooks(std::move(hooks))
    , m_afterRead(std::move(afterRead))
    , m_now(std::move(now))
{
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, [this] { readAgain(); });
}

void DeployFollowUp::update()
{
    const QDateTime now = m_now();
    QHash<QUuid, QDateTime> since;
    for (const ProjectConfig &project : m_hooks.projects()) {
        const std::optional<ProjectRuntime> entry = m_hooks.entry(project.id);
        const bool underway =
            entry && std::ranges::any_of(entry->deploys, [](const DeployInfo &deploy) {
                return isInProgress(deploy.state);
            });
        if (underway)
            since.insert(project.id, m_since.value(project.id, now));
    }
    m_since = std::move(since);
    if (followed().isEmpty())
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start();
}

QList<QUuid> DeployFollowUp::followed() const
{
    const QDateTime now = m_now();
    QList<QUuid> projects;
    for (auto it = m_since.cbegin(); it != m_since.cend(); ++it) {
        if (it.value().secsTo(now) < longestSeconds)
            projects.append(it.key());
    }
    return projects;
}

QCoro::Task<> DeployFollowUp::readAgain()
{
    // A slow service: the next tick waits for this read rather than pile up beside it.
    if (m_reading)
        co_return;
    const QList<QUuid> projects = followed();
    if (projects.isEmpty()) {
        m_timer.stop();
        co_return;
    }
    QPointer guard(this);
    m_reading = true;
    // Named: GCC 12 destroys a temporary made inside a co_await expression twice.
    const std::optional<QSet<QUuid>> only = QSet<QUuid>(projects.cbegin(), projects.cend());
    co_await m_refresher->refreshDeploys(m_hooks, only);
    if (!guard)
        co_return;
    m_reading = false;
    m_afterRead();
    update();
}
