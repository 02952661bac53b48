// SPDX-License-Identifier: MIT
#include "cli/commandline.h"

#include "cli/addcommand.h"
#include "cli/exportcommand.h"
#include "cli/statuscommand.h"
#include "locale/preferences.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace {

constexpr auto usage = "Usage:\n"
                       "  quaylin                     start the desktop application\n"
                       "  quaylin status [--json]     show every tracked project's status\n"
                       "  quaylin add [PATH] [--name NAME] [--emoji EMOJI]\n"
                       "                              track a folder (default: this one)\n"
                       "  quaylin export FILE         write a backup of all data to FILE\n"
                       "  quaylin --help | --version\n";

int usageError(const QString &problem)
{
    QTextStream err(stderr);
    err << "quaylin: " << problem << "\n\n" << usage;
    return 2;
}

// Runs `status` to completion on the application's event loop.
int runStatus(QCoreApplication &app, bool json)
{
    int exitCode = 1;
    StatusCommand::run(json).then([&exitCode](int code) {
        exitCode = code;
        QCoreApplication::exit(code);
    });
    app.exec();
    return exitCode;
}

// The value of `--option VALUE` or `--option=VALUE` at arguments[i], advancing i.
std::optional<QString> optionValue(const QStringList &arguments, qsizetype &i,
                                   const QString &option)
{
    const QString &argument = arguments[i];
    if (argument.startsWith(option + u'='))
        return argument.mid(option.size() + 1);
    if (argument == option && i + 1 < arguments.size())
        return arguments[++i];
    return std::nullopt;
}

} // namespace

namespace CommandLine {

int run(QCoreApplication &app)
{
    // Read once: the language of every text printed.
    const Preferences preferences;
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty())
        return runStatus(app, false);

    const QString command = arguments.first();
    if (command == u"--help" || command == u"-h" || command == u"help") {
        QTextStream(stdout) << usage;
        return 0;
    }
    if (command == u"--version" || command == u"-v") {
        QTextStream(stdout) << "quaylin " << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }

    if (command == u"status") {
        bool json = false;
        for (const QString &argument : arguments.mid(1)) {
            if (argument != u"--json")
                return usageError(QStringLiteral("unknown argument for status: ") + argument);
            json = true;
        }
        return runStatus(app, json);
    }

    if (command == u"add") {
        AddCommand::Options options;
        bool havePath = false;
        for (qsizetype i = 1; i < arguments.size(); ++i) {
            const QString &argument = arguments[i];
            if (argument.startsWith(u"--name")) {
                options.name = optionValue(arguments, i, QStringLiteral("--name"));
                if (!options.name)
                    return usageError(QStringLiteral("--name needs a value"));
            } else if (argument.startsWith(u"--emoji")) {
                options.emoji = optionValue(arguments, i, QStringLiteral("--emoji"));
                if (!options.emoji)
                    return usageError(QStringLiteral("--emoji needs a value"));
            } else if (argument.startsWith(u"--") || havePath) {
                return usageError(QStringLiteral("unknown argument for add: ") + argument);
            } else {
                options.path = argument;
                havePath = true;
            }
        }
        return AddCommand::run(options);
    }

    if (command == u"export") {
        if (arguments.size() != 2 || arguments[1].startsWith(u"--"))
            return usageError(QStringLiteral("export needs exactly one FILE"));
        return ExportCommand::run(arguments[1]);
    }

    return usageError(QStringLiteral("unknown command: ") + command);
}

} // namespace CommandLine
