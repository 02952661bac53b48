// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/appcommands.h"
#include "ui/desktop/autostartentry.h"
#include "ui/desktop/clipboard.h"
#include "ui/desktop/desktop.h"
#include "ui/desktop/editorlauncher.h"
#include "ui/desktop/filechooser.h"
#include "ui/desktop/terminallauncher.h"
#include "ui/desktop/urlopener.h"

#include <QList>
#include <QPointer>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

// Stand-ins for everything a screen does outside the application: each records what it was
// asked, so a test can check it, and changes nothing on the machine.

class FakeUrlOpener final : public UrlOpener {
public:
    QList<QUrl> urls;
    QStringList folders;

    void openUrl(const QUrl &url) override { urls.append(url); }
    void openFolder(const QString &path) override { folders.append(path); }
};

class FakeEditorLauncher final : public EditorLauncher {
public:
    std::optional<InstalledEditor> editor =
        InstalledEditor{QStringLiteral("Visual Studio Code"), QStringLiteral("/usr/bin/code")};
    QStringList opened;

    std::optional<InstalledEditor> installedEditor() const override { return editor; }
    void open(const QString &path) override
    {
        if (editor)
            opened.append(path);
    }
};

class FakeTerminalLauncher final : public TerminalLauncher {
public:
    bool available = true;
    QStringList opened;

    bool isAvailable() const override { return available; }
    void open(const QString &path) override
    {
        if (available)
            opened.append(path);
    }
};

// Holds each question until the test answers it with choose() or cancel(), as a real dialog
// answers later.
class FakeFileChooser final : public FileChooser {
public:
    enum class Kind { SaveJson, OpenJson, Folder };
    struct Question {
        Kind kind;
        QString title;
        QString fileName; // proposed name when saving
    };

    std::optional<Question> pending;
    int asked = 0;

    void saveJsonFile(QWidget *parent, const QString &title, const QString &fileName,
                      Chosen chosen) override
    {
        ask({Kind::SaveJson, title, fileName}, parent, std::move(chosen));
    }
    void openJsonFile(QWidget *parent, const QString &title, Chosen chosen) override
    {
        ask({Kind::OpenJson, title, {}}, parent, std::move(chosen));
    }
    void chooseFolder(QWidget *parent, const QString &prompt, Chosen chosen) override
    {
        ask({Kind::Folder, prompt, {}}, parent, std::move(chosen));
    }

    // Answers the pending question with `path`, unless its parent is gone.
    void choose(const QString &path)
    {
        const Chosen chosen = std::exchange(m_chosen, {});
        const bool parentAlive = !m_hadParent || m_parent;
        pending.reset();
        if (chosen && parentAlive)
            chosen(path);
    }
    void cancel()
    {
        pending.reset();
        m_chosen = {};
    }

private:
    void ask(const Question &question, QWidget *parent, Chosen chosen)
    {
        pending = question;
        ++asked;
        m_parent = parent;
        m_hadParent = parent != nullptr;
        m_chosen = std::move(chosen);
    }

    QPointer<QWidget> m_parent;
    bool m_hadParent = false;
    Chosen m_chosen;
};

class FakeClipboard final : public Clipboard {
public:
    QString text;
    int writes = 0;

    void setText(const QString &value) override
    {
        text = value;
        ++writes;
    }
};

// All of the above, a real AppCommands and an autostart entry in a folder of its own, as one
// Desktop for the screen under test.
class FakeDesktop final {
public:
    FakeUrlOpener urls;
    FakeEditorLauncher editor;
    FakeTerminalLauncher terminal;
    FakeFileChooser files;
    FakeClipboard clipboard;
    AppCommands commands;
    QTemporaryDir autostartDir;
    AutostartEntry autostart{autostartDir.filePath(QStringLiteral("app.quaylin.Quaylin.desktop")),
                             QStringLiteral("/usr/bin/quaylin")};

    Desktop desktop()
    {
        return {&urls, &editor, &terminal, &files, &clipboard, &commands, &autostart};
    }
};
