// SPDX-License-Identifier: MIT
#pragma once

#include "app/statusrefresher.h"

#include <QCoroTask>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <QUuid>

#include <chrono>
#include <functional>
#include <memory>

// Watches deployments on their way: while any deployment of a project is building or queued,
// that project's deployments are read again every 20 seconds, so "Nasazuje se…" turns into the
// outcome without waiting for the next full refresh. A project is followed for at most 30
// minutes from when its deployment was first seen on its way (a build stuck in the queue costs
// nothing after that); the full refresh still reads it.
class DeployFollowUp final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeployFollowUp)

public:
    static constexpr std::chrono::milliseconds defaultInterval = std::chrono::seconds(20);
    static constexpr qint64 longestSeconds = 30 * 60;

    // Each read stores through `hooks`, then runs `afterRead` (the follow-up steps that depend
    // on deployments). `now` decides the 30 minutes, `interval` the pace.
    DeployFollowUp(std::shared_ptr<StatusRefresher> refresher, RefreshHooks hooks,
                   std::function<void()> afterRead, std::function<QDateTime()> now,
                   std::chrono::milliseconds interval = defaultInterval, QObject *parent = nullptr);

    // Looks at every project's live status again: follows those with a deployment on its way,
    // lets go of the others. Called after every full pass and every read of its own.
    void update();
    // The projects read again at the next tick.
    QList<QUuid> followed() const;

private:
    QCoro::Task<> readAgain();

    std::shared_ptr<StatusRefresher> m_refresher;
    RefreshHooks m_hooks;
    std::function<void()> m_afterRead;
    std::function<QDateTime()> m_now;
    QTimer m_timer;
    // Since when each project has had a deployment on its way; kept past the 30 minutes, so a
    // stuck build is not followed again at the next full pass.
    QHash<QUuid, QDateTime> m_since;
    bool m_reading = false;
};
