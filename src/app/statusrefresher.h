// SPDX-License-Identifier: MIT
#pragma once

#include "app/deployservice.h"
#include "app/projectruntime.h"
#include "app/servicetable.h"
#include "app/tokenservice.h"
#include "model/projectconfig.h"
#include "sources/deployclient.h"
#include "sources/githubclient.h"
#include "sources/gitreader.h"
#include "sources/httpfetcher.h"

#include <QCoroTask>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QUuid>

#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

class ProcessRunner;
class HttpConnections;

// Where a refresh reads the projects and tokens and keeps each project's live status. The
// application model's hooks do nothing once the model is gone; the command line's fill a map.
struct RefreshHooks {
    // Read at the start of every phase, and by the git phase for each result, so a project
    // removed while git ran gets no entry back.
    std::function<QList<ProjectConfig>()> projects;
    std::function<TokenSet()> tokens;
    // A project's live status; absent when it has none yet.
    std::function<std::optional<ProjectRuntime>(const QUuid &)> entry;
    std::function<void(const QUuid &, const ProjectRuntime &)> store;

    // `entry` for hooks over a map.
    static std::optional<ProjectRuntime> entryIn(const RuntimeMap &runtime, const QUuid &id);
};

// The one refresh of every project's live status, shared by the application model and the
// command line. Each phase starts one child task per project at once and stores every result
// as soon as it arrives (completion order), then finishes when the last child has. Only the
// git phase creates entries; the later phases update entries that exist.
// Owned through a shared pointer: every child keeps the refresher alive until it ends, so a
// refresh still running when its owner goes away never touches a destroyed client.
class StatusRefresher final : public std::enable_shared_from_this<StatusRefresher> {
public:
    static constexpr int commitCount = 8;
    static constexpr int deployCount = 8;

    // One client per deploy service of the table, made by the service's row; `github`: the
    // GitHub API's base; `now`: the clock GitHub's rate-limit reset is compared with.
    StatusRefresher(
        ProcessRunner &runner, HttpConnections &network, const ServiceTable &services,
        const QUrl &github,
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); });

    // Until when GitHub is not asked because its rate limit is spent; projects keep the
    // GitHub status they had meanwhile.
    std::optional<QDateTime> gitHubLimitedUntil() const { return m_github.limitedUntil(); }

    // A whole pass: git, then GitHub (which needs the branch git found), then deployments.
    QCoro::Task<> refreshAll(RefreshHooks hooks) const;
    // Git state and recent commits of every project.
    QCoro::Task<> refreshGit(RefreshHooks hooks) const;
    // Pull requests and checks of every project with a GitHub address whose live git status
    // knows the branch; the others keep what they had.
    QCoro::Task<> refreshGitHub(RefreshHooks hooks) const;
    // The latest deployments of every project (of those in `only`, when given); statuses known
    // without a request (missing token, no ids) are stored first, in project order.
    QCoro::Task<> refreshDeploys(RefreshHooks hooks, std::optional<QSet<QUuid>> only) const;

private:
    struct DeployRequest {
        const DeployClient *client = nullptr;
        QString id;
        QString token;
    };
    // What the deployment phase does for one project: ask the first service in table order
    // whose id it has; without that service's token, or without ids, the status is known at
    // once.
    using DeployPlan = std::variant<DeployStatus, DeployRequest>;
    DeployPlan deployPlan(const ProjectConfig &project, const TokenSet &tokens) const;

    struct GitHubTarget {
        QUuid projectID;
        QString githubURL;
        QString branch;
    };

    QCoro::Task<> gitChild(ProjectConfig project, RefreshHooks hooks) const;
    QCoro::Task<> gitHubChild(GitHubTarget target, std::optional<QString> token,
                              RefreshHooks hooks) const;
    QCoro::Task<> deployChild(QUuid projectID, DeployRequest request, RefreshHooks hooks) const;

    HttpFetcher m_fetcher;
    GitReader m_git;
    ServiceTable m_services;
    std::vector<std::unique_ptr<DeployClient>> m_deployClients; // one per service, in order
    GitHubClient m_github;
};
