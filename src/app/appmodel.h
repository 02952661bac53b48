// SPDX-License-Identifier: MIT
#pragma once

#include "app/appenvironment.h"
#include "app/projectruntime.h"
#include "app/recordlookup.h"
#include "app/statuscolor.h"
#include "app/statusrefresher.h"
#include "model/fileresult.h"
#include "model/saveworker.h"
#include "model/storedata.h"

#include <QCoroTask>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QUuid>

#include <memory>
#include <optional>
#include <type_traits>

// The one model of the application: owns every persisted list, the live status of each
// project, the refresh flags and the tokens. Every operation that changes persisted data hands
// a snapshot of the whole document to a writing thread at its end and returns; see
// waitForPendingSaves and saveError. Change signals are emitted only when a value really differs.
class AppModel final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppModel)

public:
    static constexpr int autoRefreshSeconds = 600;

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
    RuntimeMap runtime() const { return m_runtime; }
    // The project's live status, or a fresh one when it has none yet.
    ProjectRuntime runtime(const QUuid &projectID) const;
    // Look-ups by id (the first record with that id), for views that update one row.
    std::optional<ProjectConfig> project(const QUuid &id) const;
    std::optional<TaskCard> card(const QUuid &id) const;
    std::optional<ProjectFolder> folder(const QUuid &id) const;
    std::optional<CardLabel> label(const QUuid &id) const;
    std::optional<QDateTime> lastRefresh() const { return m_lastRefresh; }
    bool isRefreshing() const { return m_isRefreshing; }
    std::optional<QString> token() const { return m_token; }
    std::optional<QString> vercelToken() const { return m_vercelToken; }
    std::optional<QString> githubToken() const { return m_githubToken; }
    std::optional<TaskCard> commitSuggestionCard() const { return m_commitSuggestionCard; }
    void clearCommitSuggestion();
    // Where the unreadable data file found at start was moved, if any.
    QString setAsidePath() const { return m_setAsidePath; }
    // Why the latest save failed, naming the data file and the system's reason ("cannot write
    // …/store.json: No space left on device"); absent once a save has succeeded again. Kept
    // from the failure until then; saveErrorChanged tells both moments.
    std::optional<QString> saveError() const { return m_saveError; }
    // The data file the model saves to.
    QString dataFilePath() const { return m_env.store.filePath(); }
    // Blocks until every change made so far is on disk or its save has failed, and updates
    // saveError (emitting saveErrorChanged) before it returns. Export and the command line
    // call it before they go on; the destructor finishes the last save too.
    void waitForPendingSaves();

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

    // Backup files. Both say why they failed (FileResult::error names the file and the
    // reason); a failure changes nothing, in memory or on disk. Export waits for pending saves
    // and never replaces what is not a regular file (a folder, a FIFO, a device). Import reads
    // only a regular file of at most Store::maxDocumentBytes that decodes whole, then saves
    // and starts a refresh.
    FileResult exportBackup(const QString &path);
    FileResult importBackup(const QString &path);

    // Card queries.
    QList<TaskCard> cards(const QUuid &projectID, KanbanColumn column) const;
    QList<TaskCard> archivedCards(const QUuid &projectID) const;
    int openCardsCount() const;
    int openCardsCount(const QUuid &projectID) const;
    int overdueCardsCount() const;
    int overdueCardsCount(const QUuid &projectID) const;

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

    // Refresh. A direct refreshAll always runs a pass, even beside one that runs already (the
    // two interleave); isRefreshing stays true until the last running pass has finished.
    QCoro::Task<> refreshAll();
    QCoro::Task<> refreshGit();
    QCoro::Task<> refreshGitHub();
    // What every trigger calls (project edits, token saves, restores, the timer, the menu);
    // the caller does not wait. Requests made while no pass runs start one pass on the next
    // turn of the event loop; requests made while a pass runs start one follow-up pass when
    // the last pass ends. A pass that starts covers every request made before it.
    void requestRefresh();

    // Tokens: blank values are ignored; a save starts a refresh, a removal does not. A token
    // the keychain refuses to store is dropped again and reported by tokenSaveFailed.
    void saveToken(const QString &value);
    void saveVercelToken(const QString &value);
    void saveGitHubToken(const QString &value);
    void removeToken();
    void removeVercelToken();
    void removeGitHubToken();
    QCoro::Task<> loadTokens();

    // Attention.
    std::optional<QString> attentionReason(const QUuid &projectID) const;
    QList<ProjectConfig> projectsNeedingAttention() const;
    StatusColor worstStatus() const;

Q_SIGNALS:
    void projectsChanged();
    void cardsChanged();
    void labelsChanged();
    void foldersChanged();
    // One project's live status changed (or was removed with the project).
    void runtimeChanged(const QUuid &projectID);
    void lastRefreshChanged();
    void isRefreshingChanged();
    void tokenChanged();
    void vercelTokenChanged();
    void githubTokenChanged();
    // The keychain could not store the token of `service` (TokenServices), e.g. because no
    // keychain service runs; the model holds no token for it any more.
    void tokenSaveFailed(const QString &service);
    void commitSuggestionCardChanged();
    // A save failed, or succeeded after a failure (see saveError).
    void saveErrorChanged();

private:
    void adopt(const StoreData &document);
    StoreData snapshot() const;
    // Hands the current lists to the writing thread; returns at once.
    void persist();
    void setSaveError(const std::optional<QString> &error);

    void setProjects(QList<ProjectConfig> projects);
    void setCards(QList<TaskCard> cards);
    void setLabels(QList<CardLabel> labels);
    void setFolders(QList<ProjectFolder> folders);
    void setRuntimeEntry(const QUuid &projectID, const ProjectRuntime &entry);
    void setLastRefresh(const std::optional<QDateTime> &value);
    void setIsRefreshing(bool value);
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
    void reconcileDeployFixCards();
    void autoArchiveOldDoneCards();
    void saveTokenValue(const QString &value, const QString &service,
                        std::optional<QString> AppModel::*property, void (AppModel::*changed)());
    TokenSet tokens() const { return {m_token, m_vercelToken, m_githubToken}; }

    AppEnvironment m_env;
    std::shared_ptr<StatusRefresher> m_refresher;
    QList<ProjectConfig> m_projects;
    QList<TaskCard> m_cards;
    QList<CardLabel> m_labels;
    QList<ProjectFolder> m_folders;
    RuntimeMap m_runtime;
    std::optional<QDateTime> m_lastRefresh;
    bool m_isRefreshing = false;
    int m_refreshPasses = 0;         // full passes running now
    bool m_refreshRequested = false; // a request no running pass has covered yet
    bool m_refreshQueued = false;    // a pass is due on the next turn of the event loop
    std::optional<QString> m_token;
    std::optional<QString> m_vercelToken;
    std::optional<QString> m_githubToken;
    std::optional<TaskCard> m_commitSuggestionCard;
    std::optional<QString> m_saveError;
    std::unique_ptr<SaveWorker> m_saver;
    QTimer m_autoRefresh;
    QString m_setAsidePath;
    // An unreadable data file that could not be moved aside yet blocks every save, so it is
    // never overwritten.
    bool m_unreadableInPlace = false;
};
