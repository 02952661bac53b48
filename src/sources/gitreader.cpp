// SPDX-License-Identifier: MIT
#include "sources/gitreader.h"

#include "sources/gitoutput.h"
#include "sources/processrunner.h"

#include <QFileInfo>
#include <QPointer>
#include <QProcessEnvironment>

namespace {

// One git call in `path`. The runner is watched, not trusted to outlive a suspended call.
QCoro::Task<std::optional<QString>> git(QPointer<ProcessRunner> runner, QString path,
                                        QStringList arguments)
{
    if (!runner)
        co_return std::nullopt;
    co_return co_await runner->run(QString::fromLatin1(GitReader::gitPath), std::move(arguments),
                                   std::move(path));
}

// An empty folder would make the child inherit the application's working directory and
// report on whatever repository that happens to be.
bool usable(const QString &path)
{
    return !path.isEmpty();
}

bool hasRepository(const QString &path)
{
    return usable(path) && QFileInfo::exists(path + u"/.git");
}

// The argument lists are built outside the coroutines: GCC 12 mishandles braced lists inside
// a co_await expression.
QStringList headArguments()
{
    return {QStringLiteral("symbolic-ref"), QStringLiteral("--short"), QStringLiteral("-q"),
            QStringLiteral("HEAD")};
}

QStringList statusArguments()
{
    return {QStringLiteral("status"), QStringLiteral("--porcelain")};
}

QStringList summaryArguments()
{
    return {QStringLiteral("status"), QStringLiteral("--porcelain=v2"), QStringLiteral("--branch")};
}

QStringList countArguments()
{
    return {QStringLiteral("rev-list"), QStringLiteral("--left-right"), QStringLiteral("--count"),
            QStringLiteral("@{u}...HEAD")};
}

QStringList logArguments(int count)
{
    return {QStringLiteral("log"), QStringLiteral("-n"), QString::number(count),
            QStringLiteral("--pretty=%h%x1f%s%x1f%cr")};
}

// The status from three commands: the branch, the changes, then ahead and behind.
QCoro::Task<GitStatus> separateStatus(QPointer<ProcessRunner> runner, QString path)
{
    const auto head = co_await git(runner, path, headArguments());
    const std::optional<QString> branch = head ? GitOutput::branch(*head) : std::nullopt;
    if (!branch)
        co_return GitStatus::notAvailable();

    const auto porcelain = co_await git(runner, path, statusArguments());
    const int changes = GitOutput::changeCount(porcelain.value_or(QString()));

    const auto counts = co_await git(runner, path, countArguments());
    const std::pair<int, int> behindAhead =
        counts ? GitOutput::behindAhead(*counts) : std::pair(0, 0);

    if (changes > 0)
        co_return GitStatus::dirty(*branch, changes, behindAhead.second, behindAhead.first);
    co_return GitStatus::clean(*branch, behindAhead.second, behindAhead.first);
}

} // namespace

GitReader::GitReader(ProcessRunner &runner)
    : m_runner(&runner)
{
}

void GitReader::configureRunner(ProcessRunner &runner)
{
    // A background `git status` must never take the index lock from under the user's own
    // commands.
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("GIT_OPTIONAL_LOCKS"), QStringLiteral("0"));
    runner.setExtraEnvironment(extra);
}

QCoro::Task<GitStatus> GitReader::status(QString path) const
{
    // Everything the coroutine needs is copied before the first suspension: the reader itself
    // may be gone when it resumes.
    const QPointer<ProcessRunner> runner = m_runner;
    if (!hasRepository(path))
        co_return GitStatus::notAvailable();

    // One process instead of three where git can give it all at once.
    const auto summary = co_await git(runner, path, summaryArguments());
    if (const auto status = summary ? GitOutput::statusSummary(*summary) : std::nullopt)
        co_return *status;
    co_return co_await separateStatus(runner, std::move(path));
}

QCoro::Task<QList<CommitInfo>> GitReader::recentCommits(QString path, int count) const
{
    const QPointer<ProcessRunner> runner = m_runner;
    // `-n` with a negative number means no limit to git. Where there is no folder git could
    // only fail: it is not started at all.
    if (!usable(path) || count <= 0 || !QFileInfo(path).isDir())
        co_return QList<CommitInfo>();

    const auto log = co_await git(runner, path, logArguments(count));
    if (!log)
        co_return QList<CommitInfo>();
    co_return GitOutput::commits(*log);
}
