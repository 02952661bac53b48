// SPDX-License-Identifier: MIT
#include "app/appmodel.h"

#include "locale/localization.h"

#include <QPointer>

QCoro::Task<> AppModel::refreshAll()
{
    QPointer guard(this);
    // Not consulted before: a refresh asked for while one runs is a second pass.
    setIsRefreshing(true);
    co_await refreshGit();
    if (!guard)
        co_return;
    co_await refreshGitHub();
    if (!guard)
        co_return;

    // Callbacks are named, never written inside a co_await expression: GCC 12 destroys a
    // lambda temporary there twice.
    const StatusRefresher::DeploySettle settle = [guard](const QUuid &id,
                                                         const DeployStatus &status) {
        if (!guard || !guard->m_runtime.contains(id))
            return;
        ProjectRuntime entry = guard->m_runtime.value(id);
        entry.deploy = status;
        guard->setRuntimeEntry(id, entry);
    };
    const StatusRefresher::DeployApply apply = [guard](const QUuid &id,
                                                       const DeployResult &result) {
        if (guard)
            guard->applyDeployResult(id, result);
    };
    co_await m_refresher->refreshDeploys(m_projects, tokens(), settle, apply);
    if (!guard)
        co_return;

    reconcileDeployFixCards();
    autoArchiveOldDoneCards();
    setLastRefresh(now());
    setIsRefreshing(false);
}

QCoro::Task<> AppModel::refreshGit()
{
    QPointer guard(this);
    const StatusRefresher::GitApply apply = [guard](const QUuid &id, const GitStatus &status,
                                                    const QList<CommitInfo> &commits) {
        if (!guard)
            return;
        // A project removed while git ran gets no entry back.
        const bool tracked = std::any_of(guard->m_projects.cbegin(), guard->m_projects.cend(),
                                         [&](const ProjectConfig &p) { return p.id == id; });
        if (!tracked)
            return;
        ProjectRuntime entry = guard->m_runtime.value(id);
        entry.git = status;
        entry.commits = commits;
        guard->setRuntimeEntry(id, entry);
    };
    co_await m_refresher->refreshGit(m_projects, apply);
}

QCoro::Task<> AppModel::refreshGitHub()
{
    QPointer guard(this);
    const StatusRefresher::GitHubApply apply = [guard](const QUuid &id,
                                                       const std::optional<GitHubStatus> &status) {
        if (!guard || !guard->m_runtime.contains(id))
            return;
        ProjectRuntime entry = guard->m_runtime.value(id);
        entry.github = status;
        guard->setRuntimeEntry(id, entry);
    };
    co_await m_refresher->refreshGitHub(StatusRefresher::gitHubTargets(m_projects, m_runtime),
                                        m_githubToken, apply);
}

void AppModel::applyDeployResult(const QUuid &projectID, const DeployResult &result)
{
    if (!m_runtime.contains(projectID))
        return;
    ProjectRuntime entry = m_runtime.value(projectID);
    entry.applyDeploys(result);
    setRuntimeEntry(projectID, entry);
}

void AppModel::reconcileDeployFixCards()
{
    QList<TaskCard> cards = m_cards;
    struct Failure {
        QString projectName;
        std::optional<QString> message;
    };
    QList<Failure> failures;

    for (const ProjectConfig &project : std::as_const(m_projects)) {
        const auto isOpenFix = [&](const TaskCard &card) {
            return card.projectID == project.id && card.isDeployFix &&
                   card.column != KanbanColumn::Done && !card.archived;
        };
        const auto entry = m_runtime.constFind(project.id);
        const bool failed = entry != m_runtime.cend() && !entry->deploys.isEmpty() &&
                            entry->deploys.first().state == u"error";
        if (!failed) {
            cards.removeIf(isOpenFix);
            continue;
        }
        if (std::any_of(cards.cbegin(), cards.cend(), isOpenFix))
            continue;

        // Vercel reports no text of its own for a failed build; it reads as "build selhal".
        const DeployInfo &newest = entry->deploys.first();
        const bool fromVercel =
            !isPresent(project.netlifySiteID) && isPresent(project.vercelProjectID);
        const std::optional<QString> message =
            newest.errorMessage || !fromVercel ? newest.errorMessage
                                               : std::optional(L(QStringLiteral("build selhal")));
        TaskCard card;
        card.id = QUuid::createUuid();
        card.projectID = project.id;
        card.title = L(QStringLiteral("Oprav build"));
        card.note = message.value_or(L(QStringLiteral("Deploy selhal")));
        card.column = KanbanColumn::Doing;
        card.createdAt = now();
        card.isDeployFix = true;
        cards.append(card);
        failures.append({project.name, message});
    }

    setCards(std::move(cards));
    persist();
    // Notified after the save, so a card is never announced that is not on disk.
    if (m_env.notifyDeployFailed) {
        for (const Failure &failure : std::as_const(failures))
            m_env.notifyDeployFailed(failure.projectName, failure.message);
    }
}
