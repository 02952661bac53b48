// SPDX-License-Identifier: MIT
#include "ui/desktop/editorlauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

struct KnownEditor {
    const char *name;
    const char *command;
    const char *bundle;
};

// In order of preference; Zed's Linux packages name its command either way.
constexpr KnownEditor knownEditors[] = {
    {"Visual Studio Code", "code", "/Applications/Visual Studio Code.app"},
    {"Cursor", "cursor", "/Applications/Cursor.app"},
    {"Zed", "zed", "/Applications/Zed.app"},
    {"Zed", "zeditor", "/Applications/Zed.app"},
};

} // namespace

SystemEditorLauncher::SystemEditorLauncher(const QString &searchPath)
    : m_folders(searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts))
{
}

std::optional<InstalledEditor> SystemEditorLauncher::find(const QStringList &folders)
{
    for (const KnownEditor &editor : knownEditors) {
#ifdef Q_OS_MACOS
        Q_UNUSED(folders)
        if (QFileInfo::exists(QLatin1StringView(editor.bundle)))
            return InstalledEditor{QLatin1StringView(editor.name),
                                   QLatin1StringView(editor.bundle)};
#else
        if (folders.isEmpty())
            return std::nullopt; // findExecutable would search the process's PATH instead
        const QString found =
            QStandardPaths::findExecutable(QLatin1StringView(editor.command), folders);
        if (!found.isEmpty())
            return InstalledEditor{QLatin1StringView(editor.name), found};
#endif
    }
    return std::nullopt;
}

std::optional<InstalledEditor> SystemEditorLauncher::installedEditor() const
{
    if (!m_found)
        m_found = find(m_folders);
    return *m_found;
}

void SystemEditorLauncher::open(const QString &path)
{
    const std::optional<InstalledEditor> editor = installedEditor();
    if (!editor || path.isEmpty())
        return;
#ifdef Q_OS_MACOS
    QProcess::startDetached(QStringLiteral("/usr/bin/open"),
                            {QStringLiteral("-a"), editor->command, path});
#else
    QProcess::startDetached(editor->command, {path}, path);
#endif
}
