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

    StatusRefresher(ProcessRunner &runner, QNetworkAccessManager &network,
                    const ServiceEndpoints &endpoints);

    // A whole pass: git, then GitHub (which needs the branch git found), then deployments.
    QCoro::Task<> refreshAll(RefreshHooks hooks) const;
    // Git state and recent commits of every project.
    QCoro::Task<> refreshGit(RefreshHooks hooks) const;
    // Pull requests and checks of every project with a GitHub address whose live git status
    // knows the branch; the others keep what they had.
    QCoro::Task<> refreshGitHub(RefreshHooks hooks) const;
    // The latest deployments of every project; statuses known without a request (missing
    // token, no ids) are stored first, in project order.
    QCoro::Task<> refreshDeploys(RefreshHooks hooks) const;

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

private:
    struct GitHubTarget {
        QUuid projectID;
        QString githubURL;
        QString branch;
    };

    QCoro::Task<> gitChild(ProjectConfig project, RefreshHooks hooks) const;
    QCoro::Task<> gitHubChild(GitHubTarget target, std::optional<QString> token,
                              RefreshHooks hooks) const;
    QCoro::Task<> deployChild(QUuid projectID, DeployPlan plan, RefreshHooks hooks) const;

    HttpFetcher m_fetcher;
    GitReader m_git;
    NetlifyClient m_netlify;
    VercelClient m_vercel;
    GitHubClient m_github;
};

// A text counts only when present and not empty.
bool isPresent(const std::optional<QString> &value);
