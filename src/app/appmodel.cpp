// SPDX-License-Identifier: MIT
#include "app/appmodel.h"

#include "app/adoption.h"
#include "app/attention.h"
#include "app/presentation.h"
#include "app/startdocument.h"
#include "sources/tokenstore.h"

#include <QPointer>

AppModel::AppModel(AppEnvironment environment, QObject *parent)
    : QObject(parent)
    , m_env(std::move(environment))
    , m_refresher(
          std::make_shared<StatusRefresher>(*m_env.processRunner, *m_env.network, m_env.endpoints))
{
    const QDateTime startedAt = now();
    StartDocument::Opened opened =
        StartDocument::open(m_env.store, startedAt, m_env.loginName, m_env.homeDir);
    if (opened.unreadable) {
        // The first save would overwrite it; keep the user's bytes beside the new file.
        m_setAsidePath = m_env.store.setAsideUnreadable(startedAt);
        m_unreadableInPlace = m_setAsidePath.isEmpty();
    }
    adopt(opened.document);

    m_saver = std::make_unique<SaveWorker>(m_env.store, std::move(opened.onDisk));
    connect(m_saver.get(), &SaveWorker::finished, this,
            [this](const FileResult &result) { setSaveError(result.error); });
    if (opened.needsSave)
        persist();

    m_autoRefresh.setInterval(autoRefreshSeconds * 1000);
    connect(&m_autoRefresh, &QTimer::timeout, this, &AppModel::requestRefresh);
}

AppModel::~AppModel() = default;

void AppModel::start()
{
    m_autoRefresh.start();
    refreshGit();
    loadTokens().then([guard = QPointer(this)] {
        if (guard)
            guard->requestRefresh();
    });
}

ProjectRuntime AppModel::runtime(const QUuid &projectID) const
{
    return m_runtime.value(projectID);
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

std::optional<CardLabel> AppModel::label(const QUuid &id) const
{
    return firstWithId(m_labels, id);
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

void AppModel::persist()
{
    if (m_unreadableInPlace) {
        m_setAsidePath = m_env.store.setAsideUnreadable(now());
        m_unreadableInPlace = m_setAsidePath.isEmpty();
        if (m_unreadableInPlace) {
            setSaveError(QStringLiteral("cannot move the unreadable %1 aside; nothing is saved")
                             .arg(dataFilePath()));
            return;
        }
    }
    m_saver->save(snapshot());
}

void AppModel::setSaveError(const std::optional<QString> &error)
{
    assign(&AppModel::m_saveError, error, &AppModel::saveErrorChanged);
}

void AppModel::waitForPendingSaves()
{
    m_saver->waitForPendingSaves();
}

FileResult AppModel::exportBackup(const QString &path)
{
    waitForPendingSaves();
    return Store::writeDocument(snapshot(), path);
}

FileResult AppModel::importBackup(const QString &path)
{
    const Store::Loaded loaded = Store::readDocument(path, now());
    if (const auto *unreadable = std::get_if<Store::Unreadable>(&loaded))
        return FileResult::failure(unreadable->message);
    const auto *document = std::get_if<StoreData>(&loaded);
    if (!document)
        return FileResult::failure(QStringLiteral("%1 does not exist").arg(path));
    adopt(*document);
    persist();
    requestRefresh();
    return {};
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

void AppModel::setLastRefresh(const std::optional<QDateTime> &value)
{
    assign(&AppModel::m_lastRefresh, value, &AppModel::lastRefreshChanged);
}

void AppModel::setIsRefreshing(bool value)
{
    assign(&AppModel::m_isRefreshing, value, &AppModel::isRefreshingChanged);
}

void AppModel::setCommitSuggestionCard(const std::optional<TaskCard> &card)
{
    assign(&AppModel::m_commitSuggestionCard, card, &AppModel::commitSuggestionCardChanged);
}

// Tokens

void AppModel::saveTokenValue(const QString &value, const QString &service,
                              std::optional<QString> AppModel::*property,
                              void (AppModel::*changed)())
{
    const QString trimmed = value.trimmed();
    if (trimmed.isEmpty())
        return;
    assign(property, trimmed, changed);
    requestRefresh();
    if (!m_env.tokens)
        return;
    const auto stored = [guard = QPointer(this), trimmed, service, property, changed](bool ok) {
        if (!guard || ok)
            return;
        // Unless a later save replaced it meanwhile, stop claiming a token that is not kept.
        if (guard->*property == trimmed)
            guard->assign(property, std::nullopt, changed);
        Q_EMIT guard->tokenSaveFailed(service);
    };
    m_env.tokens->save(trimmed, service).then(stored);
}

void AppModel::saveToken(const QString &value)
{
    saveTokenValue(value, TokenServices::netlify(), &AppModel::m_token, &AppModel::tokenChanged);
}

void AppModel::saveVercelToken(const QString &value)
{
    saveTokenValue(value, TokenServices::vercel(), &AppModel::m_vercelToken,
                   &AppModel::vercelTokenChanged);
}

void AppModel::saveGitHubToken(const QString &value)
{
    saveTokenValue(value, TokenServices::github(), &AppModel::m_githubToken,
                   &AppModel::githubTokenChanged);
}

void AppModel::removeToken()
{
    if (m_env.tokens) {
        m_env.tokens->remove(TokenServices::netlify());
        m_env.tokens->remove(TokenServices::formerNetlify());
    }
    assign(&AppModel::m_token, std::nullopt, &AppModel::tokenChanged);
}

void AppModel::removeVercelToken()
{
    if (m_env.tokens)
        m_env.tokens->remove(TokenServices::vercel());
    assign(&AppModel::m_vercelToken, std::nullopt, &AppModel::vercelTokenChanged);
}

void AppModel::removeGitHubToken()
{
    if (m_env.tokens)
        m_env.tokens->remove(TokenServices::github());
    assign(&AppModel::m_githubToken, std::nullopt, &AppModel::githubTokenChanged);
}

QCoro::Task<> AppModel::loadTokens()
{
    if (!m_env.tokens)
        co_return;
    QPointer guard(this);
    TokenStore &store = *m_env.tokens;
    const auto netlify = co_await Tokens::loadNetlify(store);
    if (!guard)
        co_return;
    assign(&AppModel::m_token, netlify, &AppModel::tokenChanged);
    const auto vercel = co_await store.read(TokenServices::vercel());
    if (!guard)
        co_return;
    assign(&AppModel::m_vercelToken, vercel, &AppModel::vercelTokenChanged);
    const auto github = co_await store.read(TokenServices::github());
    if (!guard)
        co_return;
    assign(&AppModel::m_githubToken, github, &AppModel::githubTokenChanged);
}

// Attention

std::optional<QString> AppModel::attentionReason(const QUuid &projectID) const
{
    return Presentation::attentionText(runtime(projectID));
}

QList<ProjectConfig> AppModel::projectsNeedingAttention() const
{
    QList<ProjectConfig> result;
    for (const ProjectConfig &project : m_projects) {
        if (Attention::reason(runtime(project.id)))
            result.append(project);
    }
    return result;
}

StatusColor AppModel::worstStatus() const
{
    return Attention::worstStatus(m_runtime);
}
