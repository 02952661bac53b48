// SPDX-License-Identifier: MIT
#pragma once

#include "app/projectruntime.h"
#include "model/projectconfig.h"
#include "sources/deployresult.h"
#include "sources/githubclient.h"
#include "sources/gitreader.h"
#include "sources/httpfetcher.h"
#include "sources/netlifyclient.h"
#include "sources/serviceendpoints.h"
#include "sources/vercelclient.h"

#include <QCoroTask>
#include <QList>
#include <QString>
#include <QUuid>

#include <functional>
#include <memory>
#include <optional>
#include <variant>

class ProcessRunner;
class QNetworkAccessManager;

struct TokenSet {
    std::optional<QString> netlify;
    std::optional<QString> vercel;
    std::optional<QString> github;
};

// The phases of a refresh, shared by the application model and the command line. Each phase
// starts one child task per project at once and hands every result to `apply` on the calling
// thread as soon as it arrives (completion order), then finishes when the last child has.
// Owned through a shared pointer: every child keeps the refresher alive until it ends, so a
// refresh still running when its owner goes away never touches a destroyed client.
class StatusRefresher final : public std::enable_shared_from_this<StatusRefresher> {
public:
    static constexpr int commitCount = 8;
    static constexpr int deployCount = 8;

    StatusRefresher(ProcessRunner &runner, QNetworkAccessManager &network,
                    const ServiceEndpoints &endpoints);

    using GitApply =
        std::function<void(const QUuid &, const GitStatus &, const QList<CommitInfo> &)>;
    QCoro::Task<> refreshGit(QList<ProjectConfig> projects, GitApply apply) const;

    struct GitHubTarget {
        QUuid projectID;
        QString githubURL;
        QString branch;
    };
    // Projects with a GitHub address whose live git status knows the branch.
    static QList<GitHubTarget> gitHubTargets(const QList<ProjectConfig> &projects,
                                             const RuntimeMap &runtime);
    using GitHubApply = std::function<void(const QUuid &, const std::optional<GitHubStatus> &)>;
    QCoro::Task<> refreshGitHub(QList<GitHubTarget> targets, std::optional<QString> token,
                                GitHubApply apply) const;

    struct NetlifyRequest {
        QString siteID;
        QString token;
    };
    struct VercelRequest {
        QString projectID;
        QString token;
    };
    // What the deployment phase does for one project: a Netlify site id wins over a Vercel
    // project id; without the service's token, or without ids, the status is known at once.
    using DeployPlan = std::variant<DeployStatus, NetlifyRequest, VercelRequest>;
    static DeployPlan deployPlan(const ProjectConfig &project, const TokenSet &tokens);

    // `settle` gets the statuses known without a request (project order, before any request
    // finishes); `apply` each fetched result.
    using DeploySettle = std::function<void(const QUuid &, const DeployStatus &)>;
    using DeployApply = std::function<void(const QUuid &, const DeployResult &)>;
    QCoro::Task<> refreshDeploys(QList<ProjectConfig> projects, TokenSet tokens,
                                 DeploySettle settle, DeployApply apply) const;

private:
    QCoro::Task<> gitChild(ProjectConfig project, GitApply apply) const;
    QCoro::Task<> gitHubChild(GitHubTarget target, std::optional<QString> token,
                              GitHubApply apply) const;
    QCoro::Task<> deployChild(QUuid projectID, DeployPlan plan, DeployApply apply) const;

    HttpFetcher m_fetcher;
    GitReader m_git;
    NetlifyClient m_netlify;
    VercelClient m_vercel;
    GitHubClient m_github;
};

// A text counts only when present and not empty.
bool isPresent(const std::optional<QString> &value);
