// SPDX-License-Identifier: MIT
#pragma once

#include "ui/components/rowdiff.h"

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QHash>
#include <QUuid>

class AppModel;

// The projects that need attention, in the model's order, each with the reason worded in the
// interface language of the moment. Live status arrives project by project during a refresh;
// the rows are worked out at most once per turn of the event loop and change by rows.
class AttentionModel final : public RowDiffModel<QAbstractListModel> {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AttentionModel)

public:
    enum Role {
        ProjectIdRole = Qt::UserRole + 1, // QUuid
        EmojiRole,                        // QString
        ReasonRole,                       // QString
    };

    explicit AttentionModel(AppModel &model, QObject *parent = nullptr);

    // Works the rows out now instead of on the next turn of the event loop.
    void refresh();

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    struct Entry {
        QString emoji;
        QString name;
        QString reason;
        bool operator==(const Entry &) const = default;
    };

    QList<QList<QUuid>> shownRows() const override { return {m_rows}; }
    QModelIndex sectionIndex(int) const override { return {}; }
    void storeRows(const QList<QList<QUuid>> &rows, const RowDiff::Step &) override
    {
        m_rows = rows.first();
    }
    // Takes the changes of one event-loop turn together, and those of a burst (a refresh
    // brings a result per project) at most every `burstMilliseconds`: each row added or
    // removed grows or shrinks the list, which lays out and repaints the whole overview.
    void schedule();
    static constexpr int burstMilliseconds = 200;

    AppModel &m_model;
    QList<QUuid> m_rows;
    QHash<QUuid, Entry> m_entries;
    bool m_scheduled = false;
    QElapsedTimer m_sinceRefresh;
};
