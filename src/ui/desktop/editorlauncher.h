// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A code editor found on this machine: the name the screens show and what starts it.
struct InstalledEditor {
    QString name;
    QString command;
    bool operator==(const InstalledEditor &) const = default;
};

// Opens a project folder in the first installed code editor of a fixed list (Visual Studio
// Code, Cursor, Zed). Screens offer the action only when installedEditor() names one.
class EditorLauncher {
public:
    virtual ~EditorLauncher() = default;
    virtual std::optional<InstalledEditor> installedEditor() const = 0;
    // Opens the folder at `path` in the installed editor; does nothing without one.
    virtual void open(const QString &path) = 0;
};

// Linux: `code`, `cursor`, then `zed` or `zeditor`, the first one on PATH; macOS: the editors'
// application bundles. The lookup runs once, on first use.
class SystemEditorLauncher final : public EditorLauncher {
public:
    // `searchPath` in PATH's form (folders joined by ':'); the process's PATH by default.
    explicit SystemEditorLauncher(const QString &searchPath = qEnvironmentVariable("PATH"));

    std::optional<InstalledEditor> installedEditor() const override;
    void open(const QString &path) override;

    // The first known editor whose command is an executable file in one of `folders`, with the
    // command as the full path found.
    static std::optional<InstalledEditor> find(const QStringList &folders);

private:
    QStringList m_folders;
    mutable std::optional<std::optional<InstalledEditor>> m_found;
};
