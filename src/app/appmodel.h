// SPDX-License-Identifier: MIT
#pragma once

#include "app/appenvironment.h"
#include "app/datafile.h"
#include "app/edithistory.h"
#include "app/projectruntime.h"
#include "app/recordlookup.h"
#include "app/refreshscheduler.h"
#include "app/tokenregistry.h"
#include "model/storedata.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QUuid>

#include <memory>
#include <optional>
#include <type_traits>

// The one model of the application: owns every persisted list and the live status of each
// project, and applies every operation on them. Every operation that changes persisted data
// hands a snapshot of the whole document to the data file at its end and returns. Change
// signals are emitted only when a value really differs. The tokens, the refresh schedule, the
// data file and the undo history of the user's edits are parts of it with their own signals,
// reached through tokens(), refreshes(), dataFile() and history().
class AppModel final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppModel)

public:
    // Loads the data file (an unreadable one is set aside first), seeds a first run, adopts
    // the lists, repairs duplicate project indices and saves what changed.
    explicit AppModel(AppEnvironment environment, QObject *parent = nullptr);
    // Finishes the pending save, so quitting loses nothing.
    ~AppModel() override;

    // Starts the auto-refresh timer, a git-only refresh, and the token loading followed by a
    // full refresh.
    void start();

    // The model's clock: screens compare due dates and running timers with the same "now" as
    // the operations that stamp them.
    QDateTime now() const { return m_env.now(); }

    // Copies (implicitly shared, so cheap): a caller may loop over one while calling
    // operations that replace the model's lists.
    QList<ProjectConfig> projects() const { return m_projects; }
    QList<TaskCard> cards() const { return m_cards; }
    QList<CardLabel> labels() const { return m_labels; }
    QList<ProjectFolder> folders() const { return m_folders; }
    // Live status by project; a project without an entry reads as a fresh ProjectRuntime.
    RuntimeMap runtime() const { return m_runtime; }
    // Look-ups by id (the first record with that id), for views that update one row.
    std::optional<ProjectConfig> project(const QUuid &id) const;
    std::optional<TaskCard> card(const QUuid &id) const;
    std::optional<ProjectFolder> folder(const QUuid &id) const;
    std::optional<TaskCard> commitSuggestionCard() const { return m_commitSuggestionCard; }
    void clearCommitSuggestion();

    // The services it talks to, with the one a project deploys to.
    const ServiceTable &services() const { return m_env.services; }
    TokenRegistry &tokens() { return m_tokens; }
    RefreshScheduler &refreshes() { return m_refreshes; }
    DataFile &dataFile() { return *m_dataFile; }
    EditHistory &history() { return m_history; }

    // Replaces every list with the document's (a restored backup), saves and starts a refresh.
    // The undo history starts afresh.
    void restore(const StoreData &document);

    // Projects and folders.
    void addProject(ProjectConfig project);
    void updateProject(const ProjectConfig &project);
    void removeProject(const ProjectConfig &project);
    void addFolder(const QString &name);
    void renameFolder(const QUuid &id, const QString &name);
    void deleteFolder(const QUuid &id);
    void setFolderExpanded(const QUuid &id, bool expanded);
    void moveProject(const QUuid &id, const std::optional<QUuid> &folderID);
    void reorderProject(const QUuid &id, const std::optional<QUuid> &before,
                        const std::optional<QUuid> &folderID);

    // Cards.
    void addCard(const QUuid &projectID, const QString &title, const QString &note,
                 KanbanColumn column);
    void moveCard(const QUuid &id, KanbanColumn column, const std::optional<QUuid> &before);
    void archiveCard(const QUuid &id);
    void unarchiveCard(const QUuid &id);
    void deleteCard(const QUuid &id);
    void updateCard(const TaskCard &card);
    void toggleLabel(const QUuid &labelID, const QUuid &cardID);
    void setDueDate(const std::optional<QDateTime> &date, const QUuid &cardID);
    void setCoverColor(const std::optional<QString> &colorName, const QUuid &cardID);
    void setPriority(const std::optional<CardPriority> &priority, const QUuid &cardID);
    void addChecklistItem(const QString &text, const QUuid &cardID);
    void toggleChecklistItem(const QUuid &itemID, const QUuid &cardID);
    void removeChecklistItem(const QUuid &itemID, const QUuid &cardID);
    void startTimer(const QUuid &cardID);
    void stopTimer(const QUuid &cardID);

    // Labels.
    void addLabel(const QString &name, const QString &colorName);
    void renameLabel(const QUuid &id, const QString &name, const QString &colorName);
    void deleteLabel(const QUuid &id);

Q_SIGNALS:
    void projectsChanged();
    void cardsChanged();
    void labelsChanged();
    void foldersChanged();
    // One project's live status changed (or was removed with the project).
    void runtimeChanged(const QUuid &projectID);
    void commitSuggestionCardChanged();

private:
    void adopt(const StoreData &document);
    // Another program changed the data file: its document replaces ours, as at start (an
    // unreadable one is kept aside and ours saved instead).
    void reloadDataFile();
    // The persisted document as the data file gets it.
    StoreData snapshot() const;
    EditHistory::Target historyTarget();
    // An undo or redo written back: lists and commit suggestion, saved as one edit.
    void applyHistory(const EditHistory::State &state);
    // Hands the current document to the data file; returns at once.
    void persist();

    void setProjects(QList<ProjectConfig> projects);
    void setCards(QList<TaskCard> cards);
    void setLabels(QList<CardLabel> labels);
    void setFolders(QList<ProjectFolder> folders);
    void setRuntimeEntry(const QUuid &projectID, const ProjectRuntime &entry);
    void setCommitSuggestionCard(const std::optional<TaskCard> &card);

    // Stores `value` in `field` and emits `changed`, only when the value really differs.
    template<typename T>
    void assign(T AppModel::*field, std::type_identity_t<T> value, void (AppModel::*changed)())
    {
        if (this->*field == value)
            return;
        this->*field = std::move(value);
        Q_EMIT(this->*changed)();
    }

    // Applies `change` to a copy of the first record with that id in `list`, stores the list
    // and saves; does nothing when no record has that id.
    template<typename T, typename Change>
    bool editRecord(QList<T> AppModel::*list, void (AppModel::*changed)(), const QUuid &id,
                    Change change)
    {
        QList<T> records = this->*list;
        T *record = findById(records, id);
        if (!record)
            return false;
        change(*record);
        assign(list, std::move(records), changed);
        persist();
        return true;
    }
    template<typename Change> bool editCard(const QUuid &id, Change change)
    {
        return editRecord(&AppModel::m_cards, &AppModel::cardsChanged, id, change);
    }
    template<typename Change> bool editProject(const QUuid &id, Change change)
    {
        return editRecord(&AppModel::m_projects, &AppModel::projectsChanged, id, change);
    }
    template<typename Change> bool editFolder(const QUuid &id, Change change)
    {
        return editRecord(&AppModel::m_folders, &AppModel::foldersChanged, id, change);
    }

    static double nextProjectSortIndex(const QList<ProjectConfig> &projects,
                                       const std::optional<QUuid> &folderID,
                                       const std::optional<QUuid> &before,
                                       const std::optional<QUuid> &excluding);
    void placeProject(const QUuid &id, const std::optional<QUuid> &folderID,
                      const std::optional<QUuid> &before, const std::optional<QUuid> &excluding);
    static double nextSortIndex(const QList<TaskCard> &cards, const QUuid &projectID,
                                KanbanColumn column, const std::optional<QUuid> &before);

    RefreshHooks refreshHooks();
    // The follow-up of every full refresh pass.
    void afterRefresh();
    void reconcileDeployFixCards();
    void autoArchiveOldDoneCards();

    AppEnvironment m_env;
    TokenRegistry m_tokens;
    RefreshScheduler m_refreshes;
    std::unique_ptr<DataFile> m_dataFile;
    QList<ProjectConfig> m_projects;
    QList<TaskCard> m_cards;
    QList<CardLabel> m_labels;
    QList<ProjectFolder> m_folders;
    RuntimeMap m_runtime;
    // Projects whose newest production deployment failed (or was on its way after a failure)
    // when last seen, so its recovery is told once.
    QSet<QUuid> m_failedProduction;
    std::optional<TaskCard> m_commitSuggestionCard;
    EditHistory m_history;
};
