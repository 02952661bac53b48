// SPDX-License-Identifier: MIT
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// Opens a terminal window in a project folder.
class TerminalLauncher {
public:
    virtual ~TerminalLauncher() = default;
    // False when no terminal could be found; screens may then leave the action out.
    virtual bool isAvailable() const = 0;
    // Opens a terminal in the folder at `path`; does nothing when none is available.
    virtual void open(const QString &path) = 0;
};

// What starts a terminal in a folder.
struct TerminalCommand {
    QString program;
    QStringList arguments;
    QString workingDirectory;
    bool operator==(const TerminalCommand &) const = default;
};

// macOS: `open -a Terminal <path>`. Linux: the command in $TERMINAL, else x-terminal-emulator,
// else the first of gnome-terminal, konsole, xfce4-terminal and xterm on PATH, started detached
// with the folder as its working directory. The lookup runs once, on first use.
class SystemTerminalLauncher final : public TerminalLauncher {
public:
    explicit SystemTerminalLauncher(
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

    bool isAvailable() const override;
    void open(const QString &path) override;

    // The command opening a terminal in `path` under `environment` (its TERMINAL and PATH).
    static std::optional<TerminalCommand> command(const QProcessEnvironment &environment,
                                                  const QString &path);

private:
    QProcessEnvironment m_environment;
    mutable std::optional<bool> m_available;
};
