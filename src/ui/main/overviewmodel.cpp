// SPDX-License-Identifier: MIT
#include "ui/main/overviewmodel.h"

#include "app/appmodel.h"
#include "app/cardcounts.h"
#include "app/presentation.h"
#include "app/sortindex.h"

using namespace Qt::StringLiterals;

OverviewModel::OverviewModel(AppModel &model, QObject *parent)
    : RowDiffModel(parent)
    , m_model(model)
{
    connect(&m_model, &AppModel::projectsChanged, this, &OverviewModel::sync);
    connect(&m_model, &AppModel::cardsChanged, this, &OverviewModel::countCards);
    connect(&m_model, &AppModel::runtimeChanged, this, &OverviewModel::changed);
    countCards();
    sync();
}

OverviewModel::~OverviewModel() = default;

void OverviewModel::setStatusFilter(const std::optional<ProjectStatus> &filter)
{
    if (m_filter == filter)
        return;
    m_filter = filter;
    sync();
}

void OverviewModel::sync()
{
    QList<QUuid> rows;
    QHash<QUuid, ProjectConfig> projects;
    for (const ProjectConfig &project : SortIndex::stableSorted(m_model.projects())) {
        if (projects.contains(project.id) || (m_filter && project.status != *m_filter))
            continue;
        projects.insert(project.id, project);
        rows.append(project.id);
    }
    follow({rows});
    const QHash<QUuid, ProjectConfig> before = std::exchange(m_projects, projects);
    for (const QUuid &id : std::as_const(m_rows)) {
        const auto old = before.constFind(id);
        if (old != before.cend() && *old != m_projects.value(id))
            changed(id);
    }
}

void OverviewModel::countCards()
{
    QHash<QUuid, int> counts;
    for (const TaskCard &card : m_model.cards()) {
        if (CardCounts::isOpen(card))
            ++counts[card.projectID];
    }
    const QHash<QUuid, int> before = std::exchange(m_openTasks, counts);
    for (const QUuid &id : std::as_const(m_rows)) {
        if (before.value(id) != m_openTasks.value(id))
            changed(id);
    }
}

void OverviewModel::changed(const QUuid &projectID)
{
    const QModelIndex row = indexOf(projectID);
    if (row.isValid())
        Q_EMIT dataChanged(row, row);
}

OverviewModel::Card OverviewModel::card(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const QUuid &id = m_rows[index.row()];
    const ProjectConfig project = m_projects.value(id);
    return {project, m_model.runtime().value(id), m_openTasks.value(id),
            m_model.services().deployServiceOf(project)};
}

QModelIndex OverviewModel::indexOf(const QUuid &projectID) const
{
    const qsizetype row = m_rows.indexOf(projectID);
    return row < 0 ? QModelIndex() : index(int(row));
}

int OverviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant OverviewModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const QUuid &id = m_rows[index.row()];
    const ProjectConfig project = m_projects.value(id);
    switch (role) {
    case Qt::DisplayRole:
        return project.name;
    case Qt::AccessibleTextRole: {
        const ProjectRuntime runtime = m_model.runtime().value(id);
        QString text =
            u"%1 %2, %3, %4"_s.arg(project.emoji, project.name, Presentation::title(project.status),
                                   Presentation::gitLabel(runtime.git));
        if (m_model.services().deployServiceOf(project))
            text += u", "_s + Presentation::deployLabel(runtime.deploy);
        return text;
    }
    case ProjectIdRole:
        return id;
    default:
        return {};
    }
}
