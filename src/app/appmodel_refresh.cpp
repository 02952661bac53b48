// SPDX-License-Identifier: MIT
#include "app/appmodel.h"

#include "i18n/localization.h"

#include <QPointer>

void AppModel::requestRefresh()
{
    m_refreshRequested = true;
    // A running pass starts the follow-up when it ends.
    if (m_refreshPasses > 0 || m_refreshQueued)
        return;
    m_refreshQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refreshQueued = false;
            if (m_refreshRequested && m_refreshPasses == 0)
                refreshAll();
        },
        Qt::QueuedConnection);
}

QCoro::Task<> AppModel::refreshAll()
{
    QPointer guard(this);
    ++m_refreshPasses;
    // Covers every request made until now: the pass reads projects and tokens from here on.
    m_refreshRequested = false;
    setIsRefreshing(true);
    const RefreshHooks hooks = refreshHooks();
    co_await m_refresher->refreshAll(hooks);
    if (!guard)
        co_return;

    reconcileDeployFixCards();
    autoArchiveOldDoneCards();
    setLastRefresh(now());
    if (--m_refreshPasses > 0)
        co_return; // the last pass to end clears the flag
    if (m_refreshRequested) {
        refreshAll(); // the follow-up keeps the flag set
        co_return;
    }
    setIsRefreshing(false);
}

QCoro::Task<> AppModel::refreshGit()
{
    const RefreshHooks hooks = refreshHooks();
    co_await m_refresher->refreshGit(hooks);
}

QCoro::Task<> AppModel::refreshGitHub()
{
    const RefreshHooks hooks = refreshHooks();
    co_await m_refresher->refreshGitHub(hooks);
}

RefreshHooks AppModel::refreshHooks()
{
    // Results that arrive after the model is gone find no projects and no entries.
    const QPointer guard(this);
    return {
        .projects = [guard] { return guard ? guard->m_projects : QList<ProjectConfig>(); },
        .tokens = [guard] { return guard ? guard->tokens() : TokenSet(); },
        .entry =
            [guard](const QUuid &id) {
                return guard ? RefreshHooks::entryIn(guard->m_runtime, id) : std::nullopt;
            },
        .store =
            [guard](const QUuid &id, const ProjectRuntime &entry) {
                if (guard)
                    guard->setRuntimeEntry(id, entry);
            },
    };
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
