// SPDX-License-Identifier: MIT
#include "sources/gitdirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// The first line of a small file git wrote, trimmed; empty when it cannot be read.
QString firstLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readLine(4096)).trimmed();
}

QString resolved(const QString &base, const QString &path)
{
    return QDir::cleanPath(QDir(base).absoluteFilePath(path));
}

bool exists(const QString &dir, const char16_t *name)
{
    return QFileInfo::exists(dir + u'/' + QStringView(name));
}

} // namespace

std::optional<GitDirectory> GitDirectory::locate(const QString &workTree)
{
    if (workTree.isEmpty())
        return std::nullopt;
    const QString dotGit = workTree + u"/.git";
    const QFileInfo info(dotGit);
    QString gitDir;
    if (info.isDir()) {
        gitDir = QDir::cleanPath(QDir(workTree).absoluteFilePath(QStringLiteral(".git")));
    } else if (info.isFile()) {
        constexpr QStringView prefix = u"gitdir:";
        const QString line = firstLine(dotGit);
        if (!line.startsWith(prefix))
            return std::nullopt;
        gitDir = resolved(workTree, line.sliced(prefix.size()).trimmed());
    } else {
        return std::nullopt;
    }
    if (!QFileInfo(gitDir).isDir())
        return std::nullopt;
    const QString common = firstLine(gitDir + u"/commondir");
    return GitDirectory{gitDir, common.isEmpty() ? gitDir : resolved(gitDir, common)};
}

GitOperation GitDirectory::operation() const
{
    // `git am` uses rebase-apply too, and marks it with "applying": that is no rebase.
    if (exists(gitDir, u"rebase-merge") ||
        (exists(gitDir, u"rebase-apply") && !exists(gitDir, u"rebase-apply/applying")))
        return GitOperation::Rebase;
    if (exists(gitDir, u"MERGE_HEAD"))
        return GitOperation::Merge;
    if (exists(gitDir, u"CHERRY_PICK_HEAD"))
        return GitOperation::CherryPick;
    if (exists(gitDir, u"REVERT_HEAD"))
        return GitOperation::Revert;
    if (exists(gitDir, u"BISECT_LOG"))
        return GitOperation::Bisect;
    return GitOperation::None;
}

int GitDirectory::stashCount() const
{
    QFile log(commonDir + u"/logs/refs/stash");
    if (!log.open(QIODevice::ReadOnly))
        return 0;
    int count = 0;
    while (!log.atEnd()) {
        if (!log.readLine().trimmed().isEmpty())
            ++count;
    }
    return count;
}

bool GitDirectory::hasRemote() const
{
    QFile config(commonDir + u"/config");
    if (!config.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    static const QRegularExpression section(QStringLiteral(R"(^\s*\[\s*remote\s+")"));
    while (!config.atEnd()) {
        if (section.match(QString::fromUtf8(config.readLine())).hasMatch())
            return true;
    }
    return false;
}
