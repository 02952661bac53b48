// SPDX-License-Identifier: MIT
#include "ui/shell/desktop.h"

#include "ui/shell/appcommands.h"
#include "ui/shell/clipboard.h"
#include "ui/shell/editorlauncher.h"
#include "ui/shell/filechooser.h"
#include "ui/shell/terminallauncher.h"
#include "ui/shell/urlopener.h"

SystemDesktop::SystemDesktop()
    : m_urls(std::make_unique<SystemUrlOpener>())
    , m_editor(std::make_unique<SystemEditorLauncher>())
    , m_terminal(std::make_unique<SystemTerminalLauncher>())
    , m_files(std::make_unique<SystemFileChooser>())
    , m_clipboard(std::make_unique<SystemClipboard>())
    , m_commands(std::make_unique<AppCommands>())
{
}

SystemDesktop::~SystemDesktop() = default;

Desktop SystemDesktop::desktop() const
{
    return {m_urls.get(),  m_editor.get(),    m_terminal.get(),
            m_files.get(), m_clipboard.get(), m_commands.get()};
}
