// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

class AppCommands;
class AutostartEntry;
class Clipboard;
class EditorLauncher;
class FileChooser;
class TerminalLauncher;
class UrlOpener;

// Everything a screen may do outside the application, handed to each screen as one value. The
// pointers are owned elsewhere (SystemDesktop in the application, fakes in tests) and outlive
// the screens; none is null.
struct Desktop {
    UrlOpener *urls = nullptr;
    EditorLauncher *editor = nullptr;
    TerminalLauncher *terminal = nullptr;
    FileChooser *files = nullptr;
    Clipboard *clipboard = nullptr;
    AppCommands *commands = nullptr;
    AutostartEntry *autostart = nullptr;
};

// The real implementations, created once by the application and kept for the whole run.
class SystemDesktop final {
public:
    SystemDesktop();
    ~SystemDesktop();
    SystemDesktop(const SystemDesktop &) = delete;
    SystemDesktop &operator=(const SystemDesktop &) = delete;

    Desktop desktop() const;

private:
    std::unique_ptr<UrlOpener> m_urls;
    std::unique_ptr<EditorLauncher> m_editor;
    std::unique_ptr<TerminalLauncher> m_terminal;
    std::unique_ptr<FileChooser> m_files;
    std::unique_ptr<Clipboard> m_clipboard;
    std::unique_ptr<AppCommands> m_commands;
    std::unique_ptr<AutostartEntry> m_autostart;
};
