// SPDX-License-Identifier: MIT
#pragma once

#include "app/projectruntime.h"
#include "model/projectconfig.h"

#include "ui/components/rowdiff.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QUuid>

#include <optional>

class AppModel;
struct DeployService;

// The overview grid's cards: every project that passes the status filter, in sortIndex order
// (folders play no part). Follows the application model by rows: a changed project, a changed
// open-task count or one project's live status repaints that card alone.
class OverviewModel final : public RowDiffModel<QAbstractListModel> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OverviewModel)

public:
    enum Role {
        ProjectIdRole = Qt::UserRole + 1, // QUuid
    };

    // What one card shows.
    struct Card {
        ProjectConfig project;
        ProjectRuntime runtime;
        int openTasks = 0;
        const DeployService *deploysTo = nullptr; // a row of the model's service table
    };

    explicit OverviewModel(AppModel &model, QObject *parent = nullptr);
    ~OverviewModel() override;

    std::optional<ProjectStatus> statusFilter() const { return m_filter; }
    void setStatusFilter(const std::optional<ProjectStatus> &filter);

    Card card(const QModelIndex &index) const;
    QModelIndex indexOf(const QUuid &projectID) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QList<QList<QUuid>> shownRows() const override { return {m_rows}; }
    QModelIndex sectionIndex(int) const override { return {}; }
    void storeRows(const QList<QList<QUuid>> &rows, const RowDiff::Step &) override
    {
        m_rows = rows.first();
    }
    void sync();
    void countCards();
    void changed(const QUuid &projectID);

    AppModel &m_model;
    QList<QUuid> m_rows;
    QHash<QUuid, ProjectConfig> m_projects;
    QHash<QUuid, int> m_openTasks;
    std::optional<ProjectStatus> m_filter;
};
