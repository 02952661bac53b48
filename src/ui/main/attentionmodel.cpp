// SPDX-License-Identifier: MIT
#include "ui/main/attentionmodel.h"

#include "app/appmodel.h"
#include "app/attention.h"
#include "app/presentation.h"

#include <QTimer>

#include <algorithm>
#include <chrono>

using namespace Qt::StringLiterals;

AttentionModel::AttentionModel(AppModel &model, QObject *parent)
    : RowDiffModel(parent)
    , m_model(model)
{
    connect(&m_model, &AppModel::runtimeChanged, this, &AttentionModel::schedule);
    connect(&m_model, &AppModel::projectsChanged, this, &AttentionModel::schedule);
    refresh();
}

void AttentionModel::schedule()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    const qint64 since = m_sinceRefresh.isValid() ? m_sinceRefresh.elapsed() : burstMilliseconds;
    const auto wait = std::chrono::milliseconds(std::max<qint64>(0, burstMilliseconds - since));
    QTimer::singleShot(wait, this, [this] {
        if (m_scheduled)
            refresh();
    });
}

void AttentionModel::refresh()
{
    m_scheduled = false;
    m_sinceRefresh.start();
    QList<QUuid> rows;
    QHash<QUuid, Entry> entries;
    const RuntimeMap runtime = m_model.runtime();
    for (const ProjectConfig &project :
         Attention::projectsNeedingAttention(m_model.projects(), runtime)) {
        if (entries.contains(project.id))
            continue;
        if (const std::optional<QString> reason =
                Presentation::attentionText(runtime.value(project.id))) {
            rows.append(project.id);
            entries.insert(project.id, {project.emoji, project.name, *reason});
        }
    }
    followRows(rows, std::move(entries), m_entries);
}

int AttentionModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant AttentionModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const QUuid &id = m_rows[index.row()];
    const Entry entry = m_entries.value(id);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return entry.name;
    case Qt::AccessibleTextRole:
        return QString(entry.name + u", "_s + entry.reason);
    case ProjectIdRole:
        return id;
    case EmojiRole:
        return entry.emoji;
    case ReasonRole:
        return entry.reason;
    default:
        return {};
    }
}
