// SPDX-License-Identifier: MIT
#include "ui/desktop/terminallauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// `program` as an executable's full path: itself when it is a path, else found on `folders`.
QString executable(const QString &program, const QStringList &folders)
{
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo file(program);
        return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
    }
    if (folders.isEmpty())
        return {}; // findExecutable would search the process's PATH instead
    return QStandardPaths::findExecutable(program, folders);
}

} // namespace

SystemTerminalLauncher::SystemTerminalLauncher(const QProcessEnvironment &environment)
    : m_environment(environment)
{
}

std::optional<TerminalCommand>
SystemTerminalLauncher::command(const QProcessEnvironment &environment, const QString &path)
{
#ifdef Q_OS_MACOS
    Q_UNUSED(environment)
    return TerminalCommand{QStringLiteral("/usr/bin/open"),
                           {QStringLiteral("-a"), QStringLiteral("Terminal"), path},
                           path};
#else
    const QStringList folders =
        environment.value(QStringLiteral("PATH")).split(QDir::listSeparator(), Qt::SkipEmptyParts);
    // $TERMINAL may carry arguments of its own ("wezterm start").
    QStringList preferred = QProcess::splitCommand(environment.value(QStringLiteral("TERMINAL")));
    if (!preferred.isEmpty()) {
        const QString program = executable(preferred.takeFirst(), folders);
        if (!program.isEmpty())
            return TerminalCommand{program, preferred, path};
    }
    for (const char *known :
         {"x-terminal-emulator", "gnome-terminal", "konsole", "xfce4-terminal", "xterm"}) {
        const QString program = executable(QLatin1StringView(known), folders);
        if (!program.isEmpty())
            return TerminalCommand{program, {}, path};
    }
    return std::nullopt;
#endif
}

bool SystemTerminalLauncher::isAvailable() const
{
    if (!m_available)
        m_available = command(m_environment, QDir::homePath()).has_value();
    return *m_available;
}

void SystemTerminalLauncher::open(const QString &path)
{
    if (path.isEmpty())
        return;
    const std::optional<TerminalCommand> terminal = command(m_environment, path);
    if (terminal)
        QProcess::startDetached(terminal->program, terminal->arguments, terminal->workingDirectory);
}
