// SPDX-License-Identifier: MIT
#include "cli/statuscommand.h"

#include "app/cardcounts.h"
#include "app/presentation.h"
#include "app/sidebarorder.h"
#include "cli/statusjson.h"
#include "model/store.h"
#include "sources/environmenttokens.h"
#include "sources/keychaintokenstore.h"
#include "sources/processrunner.h"

#include <QNetworkAccessManager>
#include <QTextStream>

#include <cstdio>

namespace {

QList<ProjectReport> reports(const StoreData &document, const RuntimeMap &runtime,
                             const QDateTime &now)
{
    QList<ProjectReport> result;
    for (const ProjectConfig &project :
         SidebarOrder::projects(document.projects, document.folders)) {
        ProjectReport report;
        report.project = project;
        for (const ProjectFolder &folder : document.folders) {
            if (project.folderID == folder.id) {
                report.folderName = folder.name;
                break;
            }
        }
        report.openCards = CardCounts::open(document.cards, project.id);
        report.overdueCards = CardCounts::overdue(document.cards, now, project.id);
        report.runtime = runtime.value(project.id);
        report.attention = Presentation::attentionText(report.runtime);
        result.append(report);
    }
    return result;
}

} // namespace

namespace StatusCommand {

QCoro::Task<TokenSet> readTokens()
{
    const EnvironmentTokens environment = EnvironmentTokens::read();
    TokenSet tokens{environment.netlify, environment.vercel, environment.github};
    if (tokens.netlify && tokens.vercel && tokens.github)
        co_return tokens;

    KeychainTokenStore keychain;
    if (!tokens.netlify) {
        // Read-only: the former item is used but not copied, since status writes nothing.
        tokens.netlify = co_await keychain.read(TokenServices::netlify());
        if (!tokens.netlify)
            tokens.netlify = co_await keychain.read(TokenServices::formerNetlify());
    }
    if (!tokens.vercel)
        tokens.vercel = co_await keychain.read(TokenServices::vercel());
    if (!tokens.github)
        tokens.github = co_await keychain.read(TokenServices::github());
    co_return tokens;
}

QCoro::Task<int> run(bool json)
{
    QTextStream err(stderr);
    const Store store(Store::defaultDir());
    const QDateTime startedAt = QDateTime::currentDateTimeUtc();
    StoreData document = StoreData::defaultDocument();
    const Store::Loaded loaded = store.load(startedAt);
    if (const auto *data = std::get_if<StoreData>(&loaded))
        document = *data;
    else if (const auto *unreadable = std::get_if<Store::Unreadable>(&loaded))
        err << "quaylin: the data file " << store.filePath() << " cannot be read ("
            << unreadable->message << "); showing no projects\n";
    err.flush();

    const TokenSet tokens = co_await readTokens();

    ProcessRunner runner;
    QNetworkAccessManager network;
    const auto refresher =
        std::make_shared<StatusRefresher>(runner, network, ServiceEndpoints::fromEnvironment());
    RuntimeMap runtime;
    // Named callbacks: GCC 12 destroys a lambda temporary inside a co_await expression twice.
    const StatusRefresher::GitApply applyGit = [&runtime](const QUuid &id, const GitStatus &status,
                                                          const QList<CommitInfo> &commits) {
        ProjectRuntime &entry = runtime[id];
        entry.git = status;
        entry.commits = commits;
    };
    const StatusRefresher::GitHubApply applyGitHub =
        [&runtime](const QUuid &id, const std::optional<GitHubStatus> &status) {
            runtime[id].github = status;
        };
    const StatusRefresher::DeploySettle settleDeploy =
        [&runtime](const QUuid &id, const DeployStatus &status) { runtime[id].deploy = status; };
    const StatusRefresher::DeployApply applyDeploy = [&runtime](const QUuid &id,
                                                                const DeployResult &result) {
        runtime[id].applyDeploys(result);
    };
    co_await refresher->refreshGit(document.projects, applyGit);
    co_await refresher->refreshGitHub(StatusRefresher::gitHubTargets(document.projects, runtime),
                                      tokens.github, applyGitHub);
    co_await refresher->refreshDeploys(document.projects, tokens, settleDeploy, applyDeploy);

    const QList<ProjectReport> all = reports(document, runtime, QDateTime::currentDateTimeUtc());
    if (json) {
        const QByteArray bytes = StatusJson::document(all);
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    } else {
        QTextStream out(stdout);
        for (const ProjectReport &report : all)
            out << StatusJson::textLine(report) << '\n';
        if (all.isEmpty())
            err << "quaylin: no projects tracked yet; add one with `quaylin add [PATH]`\n"
                << Qt::flush;
    }
    std::fflush(stdout);
    co_return 0;
}

} // namespace StatusCommand
