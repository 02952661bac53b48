// SPDX-License-Identifier: MIT
#include "cli/statuscommand.h"

#include "app/cardcounts.h"
#include "app/presentation.h"
#include "app/sidebarorder.h"
#include "cli/statusjson.h"
#include "cli/statustext.h"
#include "cli/terminal.h"
#include "model/store.h"
#include "sources/environmenttokens.h"
#include "sources/keychaintokenstore.h"
#include "sources/processrunner.h"

#include <QNetworkAccessManager>
#include <QTextStream>

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

QCoro::Task<int> run(Options options)
{
    QTextStream err(stderr);
    const Store store(Store::defaultDir());
    StoreData document = StoreData::defaultDocument();
    const Store::Loaded loaded = store.load(QDateTime::currentDateTimeUtc());
    if (const auto *unreadable = std::get_if<Store::Unreadable>(&loaded)) {
        err << "quaylin: the data file " << Terminal::escaped(store.filePath())
            << " cannot be read (" << Terminal::escaped(unreadable->message) << ")\n";
        co_return 1;
    }
    if (const auto *data = std::get_if<StoreData>(&loaded))
        document = *data;

    const TokenSet tokens = co_await readTokens();

    ProcessRunner runner;
    QNetworkAccessManager network;
    const auto refresher =
        std::make_shared<StatusRefresher>(runner, network, ServiceEndpoints::fromEnvironment());
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

    const QList<ProjectReport> all = reports(document, runtime, QDateTime::currentDateTimeUtc());
    QByteArray bytes;
    if (options.json)
        bytes = StatusJson::document(all);
    else if (Terminal::outputIsTerminal())
        bytes = StatusText::table(all, Terminal::colorsAllowed(options.noColor)).toUtf8();
    else
        bytes = StatusText::lines(all).toUtf8();
    if (const std::optional<QString> error = Terminal::writeOut(bytes)) {
        err << "quaylin: cannot write to standard output: " << *error << '\n';
        co_return 1;
    }
    if (!options.json && all.isEmpty())
        err << "quaylin: no projects tracked yet; add one with `quaylin add [PATH]`\n";
    co_return 0;
}

} // namespace StatusCommand
