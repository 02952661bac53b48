// SPDX-License-Identifier: MIT
#pragma once

#include "app/deployfollowup.h"
#include "app/statusrefresher.h"

#include <QCoroTask>
#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

// When full refreshes run and whether one is running: the ten-minute timer, requests from every
// trigger coalesced into passes, overlapping passes counted so the flag stays set until the
// last one ends, and the time the latest pass finished; between passes, deployments on their
// way are followed.
class RefreshScheduler final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RefreshScheduler)

public:
    static constexpr int autoRefreshSeconds = 600;

    // Each pass reads and stores through `hooks`, then runs `afterPass` (the follow-up steps of
    // a full refresh) before it stamps lastRefresh with `now`. Deployments on their way are read
    // again every `followUpInterval`, each read followed by `afterDeploys`.
    RefreshScheduler(std::shared_ptr<StatusRefresher> refresher, RefreshHooks hooks,
                     std::function<void()> afterPass, std::function<void()> afterDeploys,
                     std::function<QDateTime()> now,
                     std::chrono::milliseconds followUpInterval = DeployFollowUp::defaultInterval,
                     QObject *parent = nullptr);

    // The first tick comes ten minutes from now.
    void startTimer();

    // A direct refreshAll always runs a pass, even beside one that runs already (the two
    // interleave); isRefreshing stays true until the last running pass has finished.
    QCoro::Task<> refreshAll();
    QCoro::Task<> refreshGit();
    // The git state and commits of one project, for a change seen in its repository.
    QCoro::Task<> refreshGitOf(QUuid projectID);
    QCoro::Task<> refreshGitHub();
    // What every trigger calls (project edits, token saves, restores, the timer, the menu);
    // the caller does not wait. Requests made while no pass runs start one pass on the next
    // turn of the event loop; requests made while a pass runs start one follow-up pass when
    // the last pass ends. A pass that starts covers every request made before it.
    void requestRefresh();

    bool isRefreshing() const { return m_isRefreshing; }
    std::optional<QDateTime> lastRefresh() const { return m_lastRefresh; }
    // Until when GitHub's rate limit is spent, as the latest GitHub phase found it; the
    // overview says so once instead of every project failing.
    std::optional<QDateTime> gitHubLimitedUntil() const { return m_gitHubLimitedUntil; }

Q_SIGNALS:
    void isRefreshingChanged();
    void lastRefreshChanged();
    void gitHubLimitedUntilChanged();

private:
    void setIsRefreshing(bool value);
    void takeGitHubLimit();

    std::shared_ptr<StatusRefresher> m_refresher;
    RefreshHooks m_hooks;
    std::function<void()> m_afterPass;
    std::function<QDateTime()> m_now;
    QTimer m_timer;
    DeployFollowUp m_followUp;
    std::optional<QDateTime> m_lastRefresh;
    std::optional<QDateTime> m_gitHubLimitedUntil;
    bool m_isRefreshing = false;
    int m_passes = 0;         // full passes running now
    bool m_requested = false; // a request no running pass has covered yet
    bool m_queued = false;    // a pass is due on the next turn of the event loop
};
