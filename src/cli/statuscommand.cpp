// SPDX-License-Identifier: MIT
#include "cli/statuscommand.h"

#include "app/cardcounts.h"
#include "app/presentation.h"
#include "app/sidebarorder.h"
#include "app/statusrefresher.h"
#include "cli/datafilereading.h"
#include "cli/projectreport.h"
#include "cli/statusjson.h"
#include "cli/statustext.h"
#include "cli/terminal.h"
#include "model/store.h"
#include "sources/environmenttokens.h"
#include "sources/httpconnections.h"
#include "sources/keychaintokenstore.h"
#include "sources/processrunner.h"
#include "sources/serviceendpoints.h"

#include <QTextStream>

namespace {

QList<ProjectReport> reports(const StoreData &document, const RuntimeMap &runtime,
                             const ServiceTable &services, const QDateTime &now)
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
        if (const DeployService *service = services.deployServiceOf(project))
            report.deployService = service->token.title;
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

QCoro::Task<TokenSet> readTokens(ServiceTable services)
{
    TokenSet tokens;
    QList<TokenService> fromKeychain;
    for (const TokenService &service : services.tokenServices()) {
        const std::optional<QString> token = EnvironmentTokens::first(service.environmentVariables);
        tokens.setToken(service, token);
        if (!token)
            fromKeychain.append(service);
    }
    if (fromKeychain.isEmpty())
        co_return tokens;

    KeychainTokenStore keychain;
    for (const TokenService &service : std::as_const(fromKeychain)) {
        // Read-only: a former item is used but not copied, since status writes nothing.
        const std::optional<QString> token = co_await Tokens::load(
            keychain, service.keychainItem, service.formerKeychainItems, Tokens::Former::Leave);
        tokens.setToken(service, token);
    }
    co_return tokens;
}

QCoro::Task<int> run(Options options, ServiceTable services)
{
    const std::optional<StoreData> stored = DataFileReading::read(Store(Store::defaultDir()));
    if (!stored)
        co_return 1;
    const StoreData document = *stored;
    const TokenSet tokens = co_await readTokens(services);

    ProcessRunner runner;
    HttpConnections network;
    const auto refresher = std::make_shared<StatusRefresher>(
        runner, network, services, ServiceEndpoints::fromEnvironment().github);
    RuntimeMap runtime;
    // Named, never written inside a co_await expression: GCC 12 destroys such a temporary twice.
    const RefreshHooks hooks{
        .projects = [&document] { return document.projects; },
        .tokens = [&tokens] { return tokens; },
        .entry = [&runtime](const QUuid &id) { return RefreshHooks::entryIn(runtime, id); },
        .store = [&runtime](const QUuid &id,
                            const ProjectRuntime &entry) { runtime.insert(id, entry); },
    };
    co_await refresher->refreshAll(hooks);

    const QList<ProjectReport> all =
        reports(document, runtime, services, QDateTime::currentDateTimeUtc());
    QByteArray bytes;
    if (options.json)
        bytes = StatusJson::document(all);
    else if (Terminal::outputIsTerminal())
        bytes = StatusText::table(all, Terminal::colorsAllowed(options.noColor)).toUtf8();
    else
        bytes = StatusText::lines(all).toUtf8();
    QTextStream err(stderr);
    if (const std::optional<QString> error = Terminal::writeOut(bytes)) {
        err << "quaylin: cannot write to standard output: " << *error << '\n';
        co_return 1;
    }
    if (!options.json && all.isEmpty())
        err << "quaylin: no projects tracked yet; add one with `quaylin add [PATH]`\n";
    // Said once, rather than leaving every project's GitHub column unexplained.
    if (const std::optional<QDateTime> until = refresher->gitHubLimitedUntil())
        err << "quaylin: GitHub rate limit reached until "
            << until->toLocalTime().toString(Qt::ISODate) << "; GitHub status left out\n";
    co_return 0;
}

} // namespace StatusCommand
