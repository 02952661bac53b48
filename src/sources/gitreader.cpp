// SPDX-License-Identifier: MIT
#include "sources/gitreader.h"

#include "sources/gitdirectory.h"
#include "sources/gitoutput.h"
#include "sources/processrunner.h"

#include <QFileInfo>
#include <QPointer>
#include <QProcessEnvironment>

using namespace Qt::StringLiterals;

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
    return {QStringLiteral("status"), QStringLiteral("--porcelain=v2"), QStringLiteral("--branch"),
            QStringLiteral("--show-stash")};
}

QStringList commitArguments()
{
    return {QStringLiteral("rev-parse"), QStringLiteral("-q"), QStringLiteral("--verify"),
            QStringLiteral("HEAD")};
}

// The configured upstream, like the summary's header: named even when its ref is gone.
QStringList upstreamArguments(const QString &branch)
{
    return {QStringLiteral("for-each-ref"), QStringLiteral("--format=%(upstream:short)"),
            u"refs/heads/"_s + branch};
}

QStringList countArguments()
{
    return {QStringLiteral("rev-list"), QStringLiteral("--left-right"), QStringLiteral("--count"),
            QStringLiteral("@{u}...HEAD")};
}

QStringList logArguments(int count)
{
    return {QStringLiteral("log"), QStringLiteral("-n"), QString::number(count),
            QStringLiteral("--pretty=%h%x1f%s%x1f%ct")};
}

// The status from separate commands, for a git without the summary's headers: the branch or
// commit, the changes, the upstream, then ahead and behind. The stashes come from the stash's
// reflog.
QCoro::Task<GitStatus> separateStatus(QPointer<ProcessRunner> runner, QString path,
                                      std::optional<GitDirectory> directory)
{
    const auto head = co_await git(runner, path, headArguments());
    const std::optional<QString> branch = head ? GitOutput::branch(*head) : std::nullopt;
    const auto commit = co_await git(runner, path, commitArguments());
    const QString oid = commit.value_or(QString()).trimmed();
    if (!branch && oid.isEmpty())
        co_return GitStatus::notAvailable();

    const auto porcelain = co_await git(runner, path, statusArguments());
    const int changes = GitOutput::changeCount(porcelain.value_or(QString()));

    std::optional<QString> upstream;
    std::pair<int, int> behindAhead(0, 0);
    if (branch && !oid.isEmpty()) {
        const auto named = co_await git(runner, path, upstreamArguments(*branch));
        upstream = named ? GitOutput::branch(*named) : std::nullopt;
        const auto counts = co_await git(runner, path, countArguments());
        behindAhead = counts ? GitOutput::behindAhead(*counts) : std::pair(0, 0);
    }
    const int stashes = directory ? directory->stashCount() : 0;
    co_return GitOutput::summarised(branch.value_or(oid), !branch, changes, behindAhead, upstream,
                                    !oid.isEmpty(), stashes);
}

// What only the git directory tells: the operation under way, and whether a branch that was
// never pushed has anywhere to go.
GitStatus withDirectoryFacts(GitStatus status, const std::optional<GitDirectory> &directory)
{
    if (!status.isRepository())
        return status;
    status.operation = directory ? directory->operation() : GitOperation::None;
    if (status.unpublished)
        status.unpublished = directory && directory->hasRemote();
    return status;
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

    const std::optional<GitDirectory> directory = GitDirectory::locate(path);
    // One process instead of five where git can give it all at once.
    const auto summary = co_await git(runner, path, summaryArguments());
    if (const auto status = summary ? GitOutput::statusSummary(*summary) : std::nullopt)
        co_return withDirectoryFacts(*status, directory);
    co_return withDirectoryFacts(co_await separateStatus(runner, std::move(path), directory),
                                 directory);
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
