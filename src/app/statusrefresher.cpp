// SPDX-License-Identifier: MIT
#include "app/statusrefresher.h"

#include "sources/processrunner.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace {

// Waits for every child; each stored its own result when it finished.
QCoro::Task<> awaitAll(std::vector<QCoro::Task<>> children)
{
    for (auto &child : children)
        co_await child;
}

using Job = std::function<QCoro::Task<>()>;

QCoro::Task<> lane(std::shared_ptr<std::deque<Job>> jobs)
{
    while (!jobs->empty()) {
        const Job job = std::move(jobs->front());
        jobs->pop_front();
        co_await job();
    }
}

// Runs the jobs with at most `width` of them under way. Starting hundreds of requests in one
// go holds the main thread for tens of milliseconds, and the connections carry only six
// per host at a time anyway.
QCoro::Task<> runInLanes(std::deque<Job> jobs, size_t width)
{
    auto queue = std::make_shared<std::deque<Job>>(std::move(jobs));
    // Each lane takes its first job as it is made: count them before.
    const size_t count = std::min(width, queue->size());
    std::vector<QCoro::Task<>> lanes;
    for (size_t i = 0; i < count; ++i)
        lanes.push_back(lane(queue));
    co_await awaitAll(std::move(lanes));
}

constexpr size_t requestLanes = 12;

// Changes the live status of a project that has one; a result for any other is dropped.
template<typename Change>
void updateEntry(const RefreshHooks &hooks, const QUuid &projectID, Change change)
{
    std::optional<ProjectRuntime> entry = hooks.entry(projectID);
    if (!entry)
        return;
    change(*entry);
    hooks.store(projectID, *entry);
}

} // namespace

std::optional<ProjectRuntime> RefreshHooks::entryIn(const RuntimeMap &runtime, const QUuid &id)
{
    const auto found = runtime.constFind(id);
    if (found == runtime.cend())
        return std::nullopt;
    return *found;
}

StatusRefresher::StatusRefresher(ProcessRunner &runner, HttpConnections &network,
                                 const ServiceTable &services, const QUrl &github,
                                 std::function<QDateTime()> now)
    : m_fetcher(network)
    , m_git(runner)
    , m_services(services)
    , m_github(m_fetcher, github, std::move(now))
{
    GitReader::configureRunner(runner);
    for (const DeployService &service : std::as_const(m_services.deploys))
        m_deployClients.push_back(service.makeClient(m_fetcher, service.endpoint));
}

QCoro::Task<> StatusRefresher::refreshAll(RefreshHooks hooks) const
{
    const auto keepAlive = shared_from_this();
    co_await refreshGit(hooks);
    co_await refreshGitHub(hooks);
    const std::optional<QSet<QUuid>> everyProject;
    co_await refreshDeploys(hooks, everyProject);
}

QCoro::Task<> StatusRefresher::refreshGit(RefreshHooks hooks) const
{
    std::vector<QCoro::Task<>> children;
    const QList<ProjectConfig> projects = hooks.projects();
    children.reserve(size_t(projects.size()));
    for (const ProjectConfig &project : projects)
        children.push_back(gitChild(project, hooks));
    co_await awaitAll(std::move(children));
}

QCoro::Task<> StatusRefresher::gitChild(ProjectConfig project, RefreshHooks hooks) const
{
    const auto keepAlive = shared_from_this();
    const GitStatus status = co_await m_git.status(project.localPath);
    const QList<CommitInfo> commits = co_await m_git.recentCommits(project.localPath, commitCount);
    const QList<ProjectConfig> projects = hooks.projects();
    const bool tracked = std::any_of(projects.cbegin(), projects.cend(),
                                     [&](const ProjectConfig &p) { return p.id == project.id; });
    if (!tracked)
        co_return;
    ProjectRuntime entry = hooks.entry(project.id).value_or(ProjectRuntime{});
    entry.git = status;
    entry.commits = commits;
    hooks.store(project.id, entry);
}

QCoro::Task<> StatusRefresher::refreshGitHub(RefreshHooks hooks) const
{
    // The lanes start children after this returns to the caller: they need this object.
    const auto keepAlive = shared_from_this();
    const std::optional<QString> token = hooks.tokens().token(m_services.github);
    std::deque<Job> children;
    for (const ProjectConfig &project : hooks.projects()) {
        if (!project.githubURL || project.githubURL->isEmpty())
            continue;
        const std::optional<ProjectRuntime> entry = hooks.entry(project.id);
        if (!entry || !entry->git.hasBranch())
            continue;
        const GitHubTarget target{project.id, *project.githubURL, entry->git.branch};
        children.push_back([=, this] { return gitHubChild(target, token, hooks); });
    }
    co_await runInLanes(std::move(children), requestLanes);
}

QCoro::Task<> StatusRefresher::gitHubChild(GitHubTarget target, std::optional<QString> token,
                                           RefreshHooks hooks) const
{
    const auto keepAlive = shared_from_this();
    const auto answer = co_await m_github.fetchStatus(target.githubURL, target.branch, token);
    // While the rate limit is spent the project keeps what it showed, rather than "no CI".
    const auto *status = std::get_if<std::optional<GitHubStatus>>(&answer);
    if (!status)
        co_return;
    updateEntry(hooks, target.projectID, [&](ProjectRuntime &entry) { entry.github = *status; });
}

StatusRefresher::DeployPlan StatusRefresher::deployPlan(const ProjectConfig &project,
                                                        const TokenSet &tokens) const
{
    const DeployService *service = m_services.deployServiceOf(project);
    if (!service)
        return DeployStatus::notConfigured();
    const std::optional<QString> token = tokens.token(service->token);
    if (!token)
        return DeployStatus::tokenMissing();
    const auto index = size_t(service - m_services.deploys.constData());
    const DeployClient *client = m_deployClients[index].get();
    return DeployRequest{client, *service->idOf(project), *token};
}

QCoro::Task<> StatusRefresher::refreshDeploys(RefreshHooks hooks,
                                              std::optional<QSet<QUuid>> only) const
{
    const auto keepAlive = shared_from_this(); // as in refreshGitHub
    const TokenSet tokens = hooks.tokens();
    std::deque<Job> children;
    for (const ProjectConfig &project : hooks.projects()) {
        if (only && !only->contains(project.id))
            continue;
        const DeployPlan plan = deployPlan(project, tokens);
        if (const auto *known = std::get_if<DeployStatus>(&plan)) {
            // The stored list stays: a fix card for a failed newest deployment stays open.
            updateEntry(hooks, project.id, [&](ProjectRuntime &entry) { entry.deploy = *known; });
        } else {
            children.push_back([=, this, id = project.id, request = std::get<DeployRequest>(plan)] {
                return deployChild(id, request, hooks);
            });
        }
    }
    co_await runInLanes(std::move(children), requestLanes);
}

QCoro::Task<> StatusRefresher::deployChild(QUuid projectID, DeployRequest request,
                                           RefreshHooks hooks) const
{
    const auto keepAlive = shared_from_this();
    const DeployResult result =
        co_await request.client->fetchDeploys(request.id, request.token, deployCount);
    updateEntry(hooks, projectID, [&](ProjectRuntime &entry) { entry.applyDeploys(result); });
}
