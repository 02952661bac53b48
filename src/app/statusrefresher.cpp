// SPDX-License-Identifier: MIT
#include "app/statusrefresher.h"

#include "sources/processrunner.h"

#include <vector>

namespace {

// Waits for every child; each applied its own result when it finished.
QCoro::Task<> awaitAll(std::vector<QCoro::Task<>> children)
{
    for (auto &child : children)
        co_await child;
}

} // namespace

bool isPresent(const std::optional<QString> &value)
{
    return value && !value->isEmpty();
}

StatusRefresher::StatusRefresher(ProcessRunner &runner, QNetworkAccessManager &network,
                                 const ServiceEndpoints &endpoints)
    : m_fetcher(network)
    , m_git(runner)
    , m_netlify(m_fetcher, endpoints.netlify)
    , m_vercel(m_fetcher, endpoints.vercel)
    , m_github(m_fetcher, endpoints.github)
{
    GitReader::configureRunner(runner);
}

QCoro::Task<> StatusRefresher::refreshGit(QList<ProjectConfig> projects, GitApply apply) const
{
    std::vector<QCoro::Task<>> children;
    children.reserve(size_t(projects.size()));
    for (const ProjectConfig &project : projects)
        children.push_back(gitChild(project, apply));
    co_await awaitAll(std::move(children));
}

QCoro::Task<> StatusRefresher::gitChild(ProjectConfig project, GitApply apply) const
{
    const auto keepAlive = shared_from_this();
    const GitStatus status = co_await m_git.status(project.localPath);
    const QList<CommitInfo> commits = co_await m_git.recentCommits(project.localPath, commitCount);
    apply(project.id, status, commits);
}

QList<StatusRefresher::GitHubTarget>
StatusRefresher::gitHubTargets(const QList<ProjectConfig> &projects, const RuntimeMap &runtime)
{
    QList<GitHubTarget> targets;
    for (const ProjectConfig &project : projects) {
        if (!isPresent(project.githubURL))
            continue;
        const auto entry = runtime.constFind(project.id);
        if (entry == runtime.cend() || !entry->git.hasBranch())
            continue;
        targets.append({project.id, *project.githubURL, entry->git.branch});
    }
    return targets;
}

QCoro::Task<> StatusRefresher::refreshGitHub(QList<GitHubTarget> targets,
                                             std::optional<QString> token, GitHubApply apply) const
{
    std::vector<QCoro::Task<>> children;
    children.reserve(size_t(targets.size()));
    for (const GitHubTarget &target : targets)
        children.push_back(gitHubChild(target, token, apply));
    co_await awaitAll(std::move(children));
}

QCoro::Task<> StatusRefresher::gitHubChild(GitHubTarget target, std::optional<QString> token,
                                           GitHubApply apply) const
{
    const auto keepAlive = shared_from_this();
    const auto status = co_await m_github.fetchStatus(target.githubURL, target.branch, token);
    apply(target.projectID, status);
}

StatusRefresher::DeployPlan StatusRefresher::deployPlan(const ProjectConfig &project,
                                                        const TokenSet &tokens)
{
    if (isPresent(project.netlifySiteID)) {
        if (!tokens.netlify)
            return DeployStatus::tokenMissing();
        return NetlifyRequest{*project.netlifySiteID, *tokens.netlify};
    }
    if (isPresent(project.vercelProjectID)) {
        if (!tokens.vercel)
            return DeployStatus::tokenMissing();
        return VercelRequest{*project.vercelProjectID, *tokens.vercel};
    }
    return DeployStatus::notConfigured();
}

QCoro::Task<> StatusRefresher::refreshDeploys(QList<ProjectConfig> projects, TokenSet tokens,
                                              DeploySettle settle, DeployApply apply) const
{
    std::vector<QCoro::Task<>> children;
    for (const ProjectConfig &project : projects) {
        DeployPlan plan = deployPlan(project, tokens);
        if (const auto *known = std::get_if<DeployStatus>(&plan))
            settle(project.id, *known);
        else
            children.push_back(deployChild(project.id, std::move(plan), apply));
    }
    co_await awaitAll(std::move(children));
}

QCoro::Task<> StatusRefresher::deployChild(QUuid projectID, DeployPlan plan,
                                           DeployApply apply) const
{
    const auto keepAlive = shared_from_this();
    DeployResult result;
    if (const auto *netlify = std::get_if<NetlifyRequest>(&plan))
        result = co_await m_netlify.fetchDeploys(netlify->siteID, netlify->token, deployCount);
    else if (const auto *vercel = std::get_if<VercelRequest>(&plan))
        result = co_await m_vercel.fetchDeploys(vercel->projectID, vercel->token, deployCount);
    apply(projectID, result);
}
