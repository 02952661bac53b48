// SPDX-License-Identifier: MIT
#include "app/documentchange.h"

#include <QSet>

DocumentChange DocumentChange::between(const StoreData &before, const StoreData &after)
{
    return {
        .projects = ListChange<ProjectConfig>::between(before.projects, after.projects),
        .cards = ListChange<TaskCard>::between(before.cards, after.cards),
        .labels = ListChange<CardLabel>::between(before.labels, after.labels),
        .folders = ListChange<ProjectFolder>::between(before.folders, after.folders),
    };
}

bool DocumentChange::isEmpty() const
{
    return projects.isEmpty() && cards.isEmpty() && labels.isEmpty() && folders.isEmpty();
}

void DocumentChange::apply(StoreData &document, ChangeDirection direction) const
{
    projects.apply(document.projects, direction);
    folders.apply(document.folders, direction);
    labels.apply(document.labels, direction);
    if (cards.isEmpty())
        return;
    QSet<QUuid> present;
    for (const ProjectConfig &project : std::as_const(document.projects))
        present.insert(project.id);
    cards.apply(document.cards, direction,
                [&](const TaskCard &card) { return present.contains(card.projectID); });
}

bool DocumentChange::absorb(const DocumentChange &later)
{
    DocumentChange merged = *this;
    if (!merged.projects.absorb(later.projects) || !merged.cards.absorb(later.cards) ||
        !merged.labels.absorb(later.labels) || !merged.folders.absorb(later.folders))
        return false;
    *this = std::move(merged);
    return true;
}
