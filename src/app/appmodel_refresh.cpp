// SPDX-License-Identifier: MIT
#include "app/appmodel.h"

#include "i18n/localization.h"

#include <QPointer>

RefreshHooks AppModel::refreshHooks()
{
    // Results that arrive after the model is gone find no projects and no entries.
    const QPointer guard(this);
    return {
        .projects = [guard] { return guard ? guard->m_projects : QList<ProjectConfig>(); },
        .tokens = [guard] { return guard ? guard->m_tokens.all() : TokenSet(); },
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

void AppModel::afterRefresh()
{
    reconcileDeployFixCards();
    autoArchiveOldDoneCards();
}

void AppModel::reconcileDeployFixCards()
{
    QList<TaskCard> cards = m_cards;
    struct Failure {
        QString projectName;
        std::optional<QString> message;
    };
    QList<Failure> failures;
    QStringList fixed;

    for (const ProjectConfig &project : std::as_const(m_projects)) {
        const auto isOpenFix = [&](const TaskCard &card) {
            return card.projectID == project.id && card.isDeployFix &&
                   card.column != KanbanColumn::Done && !card.archived;
        };
        // The site's own deployments decide; a failed preview is the pull request's business.
        const auto entry = m_runtime.constFind(project.id);
        const DeployInfo *newest =
            entry != m_runtime.cend() ? newestProduction(entry->deploys) : nullptr;
        if (!newest || newest->state != u"error") {
            // A failure episode (seen by this run, or left open on the board) ends when a
            // production deployment succeeds; one on its way keeps it going.
            const bool failedBefore = m_failedProduction.contains(project.id) ||
                                      std::any_of(cards.cbegin(), cards.cend(), isOpenFix);
            const DeployStatus::Kind state =
                newest ? DeployStatus::from(entry->deploys).kind : DeployStatus::Kind::Unknown;
            if (failedBefore && state == DeployStatus::Kind::Building) {
                m_failedProduction.insert(project.id);
            } else {
                m_failedProduction.remove(project.id);
                if (failedBefore && state == DeployStatus::Kind::Ready)
                    fixed.append(project.name);
            }
            cards.removeIf(isOpenFix);
            continue;
        }
        m_failedProduction.insert(project.id);
        if (std::any_of(cards.cbegin(), cards.cend(), isOpenFix))
            continue;

        // A service that names no failure of its own has the table's word for it.
        const DeployService *service = m_env.services.deployServiceOf(project);
        std::optional<QString> message = newest->errorMessage;
        if (!message && service && !service->unnamedFailure.isEmpty())
            message = L(service->unnamedFailure);
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
    if (m_env.notifyDeployFixed) {
        for (const QString &name : std::as_const(fixed))
            m_env.notifyDeployFixed(name);
    }
}
