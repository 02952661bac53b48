// SPDX-License-Identifier: MIT
#include "cli/commandline.h"

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

using namespace Qt::StringLiterals;

namespace {

constexpr auto usage =
    "Usage:\n"
    "  quaylin\n"
    "      start the desktop application\n"
    "  quaylin status [--json] [--no-color]\n"
    "      show every tracked project's status; colours only on a terminal and\n"
    "      never with --no-color or NO_COLOR set\n"
    "  quaylin add [PATH] [--name NAME] [--emoji EMOJI] [--site URL] [--github URL]\n"
    "              [--netlify-site ID] [--vercel-project ID]\n"
    "              [--status development|done|parked]\n"
    "      track a folder (default: this one); without --github, a GitHub origin\n"
    "      remote gives the repository's web address\n"
    "  quaylin export FILE|-\n"
    "      write a backup of all data to FILE, or with - to standard output\n"
    "  quaylin --help | --version\n";

int usageError(const QString &problem)
{
    QTextStream err(stderr);
    err << "quaylin: " << Terminal::escaped(problem) << "\n\n" << usage;
    return 2;
}

// Runs `status` to completion on the application's event loop. Started from inside the loop:
// a run with nothing to wait for ends at once, and an exit asked for before the loop runs
// would be lost.
int runStatus(QCoreApplication &app, const StatusCommand::Options &options)
{
    int exitCode = 1;
    QTimer::singleShot(0, &app, [&exitCode, options] {
        StatusCommand::run(options).then([&exitCode](int code) {
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

std::optional<int> parseAdd(const QStringList &arguments, AddCommand::Options &options)
{
    std::optional<QString> status;
    const std::pair<QString, std::optional<QString> *> valued[] = {
        {u"--name"_s, &options.name},
        {u"--emoji"_s, &options.emoji},
        {u"--site"_s, &options.siteURL},
        {u"--github"_s, &options.githubURL},
        {u"--netlify-site"_s, &options.netlifySiteID},
        {u"--vercel-project"_s, &options.vercelProjectID},
        {u"--status"_s, &status},
    };
    bool havePath = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        bool matched = false;
        for (const auto &[option, field] : valued) {
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
    // Without arguments main() starts the desktop application instead.
    if (arguments.isEmpty())
        return usageError(u"no command"_s);

    const QString command = arguments.first();
    if (command == u"--help" || command == u"-h" || command == u"help")
        return Terminal::writeOut(usage) ? 1 : 0;
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
        return runStatus(app, options);
    }

    if (command == u"add") {
        AddCommand::Options options;
        if (const std::optional<int> failed = parseAdd(arguments, options))
            return *failed;
        return AddCommand::run(options);
    }

    if (command == u"export") {
        if (arguments.size() != 2 || arguments[1].startsWith(u"--"))
            return usageError(u"export needs exactly one FILE, or - for standard output"_s);
        return ExportCommand::run(arguments[1]);
    }

    return usageError(u"unknown command: "_s + command);
}

} // namespace CommandLine
