// SPDX-License-Identifier: MIT
#include "app/appmodel.h"

#include "app/adoption.h"
#include "app/startdocument.h"

#include <QPointer>

AppModel::AppModel(AppEnvironment environment, QObject *parent)
    : QObject(parent)
    , m_env(std::move(environment))
    , m_tokens(m_env.services.tokenServices(), m_env.tokens,
               [this] { m_refreshes.requestRefresh(); })
    , m_refreshes(
          std::make_shared<StatusRefresher>(*m_env.processRunner, *m_env.network, m_env.services,
                                            m_env.endpoints.github, m_env.now),
          refreshHooks(), [this] { afterRefresh(); }, [this] { reconcileDeployFixCards(); },
          m_env.now, m_env.deployFollowUpInterval)
    , m_history(historyTarget())
{
    const StartDocument::Opened opened =
        StartDocument::open(m_env.store, now(), m_env.loginName, m_env.homeDir);
    m_dataFile = std::make_unique<DataFile>(m_env.store, opened, m_env.now);
    adopt(opened.document);
    if (opened.needsSave)
        persist();
    connect(m_dataFile.get(), &DataFile::changedOnDisk, this, &AppModel::reloadDataFile);
}

void AppModel::reloadDataFile()
{
    // Taken before reading: a change made meanwhile is noticed as one more.
    const FileStamp stamp = FileStamp::of(m_dataFile->path());
    const StartDocument::Opened opened =
        StartDocument::open(m_env.store, now(), m_env.loginName, m_env.homeDir);
    if (!opened.onDisk) {
        m_dataFile->saveOverOtherVersion();
        return;
    }
    m_dataFile->setOnDisk(*opened.onDisk, stamp);
    // The steps recorded were taken on the version now replaced.
    m_history.clear();
    adopt(opened.document);
    if (opened.needsSave)
        persist();
    m_refreshes.requestRefresh();
}

AppModel::~AppModel() = default;

void AppModel::start()
{
    m_refreshes.startTimer();
    m_refreshes.refreshGit();
    m_tokens.load().then([guard = QPointer(this)] {
        if (guard)
            guard->m_refreshes.requestRefresh();
    });
}

namespace {

template<typename T> std::optional<T> firstWithId(const QList<T> &records, const QUuid &id)
{
    for (const T &record : records) {
        if (record.id == id)
            return record;
    }
    return std::nullopt;
}

} // namespace

std::optional<ProjectConfig> AppModel::project(const QUuid &id) const
{
    return firstWithId(m_projects, id);
}

std::optional<TaskCard> AppModel::card(const QUuid &id) const
{
    return firstWithId(m_cards, id);
}

std::optional<ProjectFolder> AppModel::folder(const QUuid &id) const
{
    return firstWithId(m_folders, id);
}

void AppModel::clearCommitSuggestion()
{
    setCommitSuggestionCard(std::nullopt);
}

void AppModel::adopt(const StoreData &document)
{
    const StoreData adopted = adoptedDocument(document);
    setProjects(adopted.projects);
    setCards(adopted.cards);
    setLabels(adopted.labels);
    setFolders(adopted.folders);
}

StoreData AppModel::snapshot() const
{
    return {m_projects, m_cards, true, m_labels, m_folders};
}

EditHistory::Target AppModel::historyTarget()
{
    return {
        .read =
            [this] {
                return EditHistory::State{snapshot(), m_commitSuggestionCard};
            },
        .write = [this](const EditHistory::State &state) { applyHistory(state); },
        .now = m_env.now,
    };
}

void AppModel::applyHistory(const EditHistory::State &state)
{
    setProjects(state.document.projects);
    setCards(state.document.cards);
    setLabels(state.document.labels);
    setFolders(state.document.folders);
    persist();
    setCommitSuggestionCard(state.suggestion);
}

void AppModel::restore(const StoreData &document)
{
    m_history.clear();
    adopt(document);
    persist();
    m_refreshes.requestRefresh();
}

void AppModel::persist()
{
    m_dataFile->save(snapshot());
}

void AppModel::setProjects(QList<ProjectConfig> projects)
{
    assign(&AppModel::m_projects, std::move(projects), &AppModel::projectsChanged);
}

void AppModel::setCards(QList<TaskCard> cards)
{
    assign(&AppModel::m_cards, std::move(cards), &AppModel::cardsChanged);
}

void AppModel::setLabels(QList<CardLabel> labels)
{
    assign(&AppModel::m_labels, std::move(labels), &AppModel::labelsChanged);
}

void AppModel::setFolders(QList<ProjectFolder> folders)
{
    assign(&AppModel::m_folders, std::move(folders), &AppModel::foldersChanged);
}

void AppModel::setRuntimeEntry(const QUuid &projectID, const ProjectRuntime &entry)
{
    const auto found = m_runtime.constFind(projectID);
    if (found != m_runtime.cend() && *found == entry)
        return;
    m_runtime.insert(projectID, entry);
    emit runtimeChanged(projectID);
}

void AppModel::setCommitSuggestionCard(const std::optional<TaskCard> &card)
{
    assign(&AppModel::m_commitSuggestionCard, card, &AppModel::commitSuggestionCardChanged);
}
