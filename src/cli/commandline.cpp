// SPDX-License-Identifier: MIT
#include "cli/commandline.h"

#include "app/standardservices.h"
#include "cli/addcommand.h"
#include "cli/exportcommand.h"
#include "cli/statuscommand.h"
#include "cli/terminal.h"
#include "services/languageswitch.h"
#include "services/preferences.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <QTimer>

#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The deploy services' id options of `add` come from the table, one line of them.
QString usage(const ServiceTable &services)
{
    QStringList deployOptions;
    for (const DeployService &service : services.deploys)
        deployOptions.append(u'[' + service.addOption + u" ID]"_s);
    return u"Usage:\n"
           u"  quaylin\n"
           u"      start the desktop application\n"
           u"  quaylin status [--json] [--no-color]\n"
           u"      show every tracked project's status; colours only on a terminal and\n"
           u"      never with --no-color or NO_COLOR set\n"
           u"  quaylin add [PATH] [--name NAME] [--emoji EMOJI] [--site URL] [--github URL]\n"
           u"              "_s +
           deployOptions.join(u' ') +
           u"\n"
           u"              [--status development|done|parked]\n"
           u"      track a folder (default: this one); without --github, a GitHub origin\n"
           u"      remote gives the repository's web address\n"
           u"  quaylin export FILE|-\n"
           u"      write a backup of all data to FILE, or with - to standard output\n"
           u"  quaylin --help | --version\n"_s;
}

int usageError(const QString &problem)
{
    QTextStream err(stderr);
    err << "quaylin: " << Terminal::escaped(problem) << "\n\n" << usage(StandardServices::table());
    return 2;
}

// Runs `status` to completion on the application's event loop. Started from inside the loop:
// a run with nothing to wait for ends at once, and an exit asked for before the loop runs
// would be lost.
int runStatus(QCoreApplication &app, const StatusCommand::Options &options,
              const ServiceTable &services)
{
    int exitCode = 1;
    QTimer::singleShot(0, &app, [&exitCode, options, services] {
        StatusCommand::run(options, services).then([&exitCode](int code) {
            exitCode = code;
            QCoreApplication::exit(code);
        });
    });
    app.exec();
    return exitCode;
}

// The value of `--option VALUE` or `--option=VALUE` at arguments[i], advancing i; absent when
// arguments[i] is not that option. `missing` is set when the option has no value.
std::optional<QString> optionValue(const QStringList &arguments, qsizetype &i,
                                   const QString &option, bool &missing)
{
    const QString &argument = arguments[i];
    if (argument.startsWith(option + u'='))
        return argument.mid(option.size() + 1);
    if (argument != option)
        return std::nullopt;
    if (i + 1 >= arguments.size()) {
        missing = true;
        return std::nullopt;
    }
    return arguments[++i];
}

std::optional<int> parseAdd(const QStringList &arguments, const ServiceTable &services,
                            AddCommand::Options &options)
{
    std::optional<QString> status;
    // Sized once: the pointers below must stay valid.
    std::vector<std::optional<QString>> deployIDs(size_t(services.deploys.size()));
    QList<std::pair<QString, std::optional<QString> *>> valued = {
        {u"--name"_s, &options.name},    {u"--emoji"_s, &options.emoji},
        {u"--site"_s, &options.siteURL}, {u"--github"_s, &options.githubURL},
        {u"--status"_s, &status},
    };
    for (size_t i = 0; i < deployIDs.size(); ++i)
        valued.append({services.deploys[qsizetype(i)].addOption, &deployIDs[i]});
    bool havePath = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        bool matched = false;
        for (const auto &[option, field] : std::as_const(valued)) {
            bool missing = false;
            if (std::optional<QString> value = optionValue(arguments, i, option, missing)) {
                *field = std::move(value);
                matched = true;
                break;
            }
            if (missing)
                return usageError(option + u" needs a value"_s);
        }
        if (matched)
            continue;
        const QString &argument = arguments[i];
        if (argument.startsWith(u"--") || havePath)
            return usageError(u"unknown argument for add: "_s + argument);
        options.path = argument;
        havePath = true;
    }
    for (size_t i = 0; i < deployIDs.size(); ++i)
        options.deployIDs.insert(services.deploys[qsizetype(i)].token.key, deployIDs[i]);
    if (status) {
        const std::optional<ProjectStatus> parsed = ProjectStatuses::fromRawValue(*status);
        if (!parsed)
            return usageError(u"--status takes development, done or parked, not "_s + *status);
        options.status = *parsed;
    }
    return std::nullopt;
}

} // namespace

namespace CommandLine {

int run(QCoreApplication &app)
{
    // Read once: the language of every text printed, put into effect as the desktop does.
    const Preferences preferences;
    const LanguageSwitch language(preferences, LanguageSwitch::QtTexts::English);
    const QStringList arguments = app.arguments().mid(1);
    const ServiceTable services = StandardServices::table();
    // Without arguments main() starts the desktop application instead.
    if (arguments.isEmpty())
        return usageError(u"no command"_s);

    const QString command = arguments.first();
    if (command == u"--help" || command == u"-h" || command == u"help")
        return Terminal::writeOut(usage(services).toUtf8()) ? 1 : 0;
    if (command == u"--version" || command == u"-v") {
        const QString version = u"quaylin "_s + QCoreApplication::applicationVersion() + u'\n';
        return Terminal::writeOut(version.toUtf8()) ? 1 : 0;
    }

    if (command == u"status") {
        StatusCommand::Options options;
        for (const QString &argument : arguments.mid(1)) {
            if (argument == u"--json")
                options.json = true;
            else if (argument == u"--no-color")
                options.noColor = true;
            else
                return usageError(u"unknown argument for status: "_s + argument);
        }
        return runStatus(app, options, services);
    }

    if (command == u"add") {
        AddCommand::Options options;
        if (const std::optional<int> failed = parseAdd(arguments, services, options))
            return *failed;
        return AddCommand::run(options, services);
    }

    if (command == u"export") {
        if (arguments.size() != 2 || arguments[1].startsWith(u"--"))
            return usageError(u"export needs exactly one FILE, or - for standard output"_s);
        return ExportCommand::run(arguments[1]);
    }

    return usageError(u"unknown command: "_s + command);
}

} // namespace CommandLine
