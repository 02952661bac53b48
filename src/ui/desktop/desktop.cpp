// SPDX-License-Identifier: MIT
#include "ui/desktop/desktop.h"

#include "ui/desktop/appcommands.h"
#include "ui/desktop/autostartentry.h"
#include "ui/desktop/clipboard.h"
#include "ui/desktop/editorlauncher.h"
#include "ui/desktop/filechooser.h"
#include "ui/desktop/terminallauncher.h"
#include "ui/desktop/urlopener.h"

SystemDesktop::SystemDesktop()
    : m_urls(std::make_unique<SystemUrlOpener>())
    , m_editor(std::make_unique<SystemEditorLauncher>())
    , m_terminal(std::make_unique<SystemTerminalLauncher>())
    , m_files(std::make_unique<SystemFileChooser>())
    , m_clipboard(std::make_unique<SystemClipboard>())
    , m_commands(std::make_unique<AppCommands>())
    , m_autostart(std::make_unique<AutostartEntry>(AutostartEntry::forThisProgram()))
{
}

SystemDesktop::~SystemDesktop() = default;

Desktop SystemDesktop::desktop() const
{
    return {m_urls.get(),      m_editor.get(),   m_terminal.get(), m_files.get(),
            m_clipboard.get(), m_commands.get(), m_autostart.get()};
}
