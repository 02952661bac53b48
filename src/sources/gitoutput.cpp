// SPDX-License-Identifier: MIT
#include "sources/gitoutput.h"

#include <QStringView>

#include <algorithm>

namespace {

constexpr QChar unitSeparator(u'\x1f');

bool asciiDigits(QStringView text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A plain decimal integer: an optional sign and ASCII digits, nothing else (no spaces).
std::optional<int> decimal(QStringView text)
{
    if (!asciiDigits(text.startsWith(u'+') || text.startsWith(u'-') ? text.mid(1) : text))
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// `%ct`: ASCII digits only, wide enough for times past 2038.
std::optional<qint64> epochSeconds(QStringView text)
{
    bool ok = false;
    const qint64 value = asciiDigits(text) ? text.toLongLong(&ok, 10) : 0;
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

// A count written with its sign in front ("+2", "-0").
std::optional<int> signedCount(QStringView text, QChar sign)
{
    if (text.size() < 2 || text[0] != sign || text[1] < u'0' || text[1] > u'9')
        return std::nullopt;
    return decimal(text.mid(1));
}

// "+<ahead> -<behind>" of the `branch.ab` header, as (behind, ahead); (0, 0) when it does not
// read so.
std::pair<int, int> behindAheadHeader(QStringView text)
{
    const QList<QStringView> pieces = text.split(u' ', Qt::SkipEmptyParts);
    const auto ahead = pieces.size() == 2 ? signedCount(pieces[0], u'+') : std::nullopt;
    const auto behind = pieces.size() == 2 ? signedCount(pieces[1], u'-') : std::nullopt;
    if (!ahead || !behind)
        return {0, 0};
    return {*behind, *ahead};
}

// Splits at the unit separator into at most three non-empty pieces. Empty pieces are dropped
// and do not count; once two pieces are taken, the rest of the line is the third piece,
// further separators included.
QList<QStringView> commitFields(QStringView line)
{
    QList<QStringView> pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size() && pieces.size() < 2; ++i) {
        if (line[i] != unitSeparator)
            continue;
        if (i > start)
            pieces.append(line.sliced(start, i - start));
        start = i + 1;
    }
    if (start < line.size())
        pieces.append(line.sliced(start));
    return pieces;
}

} // namespace

namespace GitOutput {

std::optional<QString> branch(const QString &output)
{
    QString name = output.trimmed();
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

int changeCount(const QString &output)
{
    const QString trimmed = output.trimmed();
    if (trimmed.isEmpty())
        return 0;
    return int(trimmed.split(u'\n', Qt::SkipEmptyParts).size());
}

std::pair<int, int> behindAhead(const QString &output)
{
    QList<int> numbers;
    const QString trimmed = output.trimmed();
    for (const QStringView piece : QStringView(trimmed).split(u'\t', Qt::SkipEmptyParts)) {
        if (const auto number = decimal(piece))
            numbers.append(*number);
    }
    if (numbers.size() != 2)
        return {0, 0};
    return {numbers[0], numbers[1]};
}

std::optional<GitStatus> statusSummary(const QString &output)
{
    constexpr QStringView oidHeader = u"# branch.oid ";
    constexpr QStringView headHeader = u"# branch.head ";
    constexpr QStringView upstreamHeader = u"# branch.upstream ";
    constexpr QStringView countsHeader = u"# branch.ab ";
    constexpr QStringView stashHeader = u"# stash ";
    std::optional<QString> head;
    QString oid;
    std::optional<QString> upstream;
    std::pair<int, int> behindAhead(0, 0);
    int changes = 0;
    int stashes = 0;
    for (const QStringView line : QStringView(output).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(oidHeader))
            oid = line.sliced(oidHeader.size()).trimmed().toString();
        else if (line.startsWith(headHeader))
            head = branch(line.sliced(headHeader.size()).toString());
        else if (line.startsWith(upstreamHeader))
            upstream = branch(line.sliced(upstreamHeader.size()).toString());
        else if (line.startsWith(countsHeader))
            behindAhead = behindAheadHeader(line.sliced(countsHeader.size()));
        else if (line.startsWith(stashHeader))
            stashes = std::max(0, decimal(line.sliced(stashHeader.size()).trimmed()).value_or(0));
        else if (!line.startsWith(u'#'))
            ++changes;
    }
    if (!head)
        return std::nullopt;
    const bool detached = *head == u"(detached)";
    const bool hasCommits = !oid.isEmpty() && oid != u"(initial)";
    if (detached && !hasCommits)
        return GitStatus::notAvailable();
    return summarised(detached ? oid : *head, detached, changes, behindAhead, upstream, hasCommits,
                      stashes);
}

GitStatus summarised(const QString &head, bool detached, int changes,
                     std::pair<int, int> behindAhead, const std::optional<QString> &upstream,
                     bool hasCommits, int stashes)
{
    GitStatus status = changes > 0
                           ? GitStatus::dirty(head, changes, behindAhead.second, behindAhead.first)
                           : GitStatus::clean(head, behindAhead.second, behindAhead.first);
    status.detached = detached;
    if (detached)
        status.branch = head.left(shortCommitLength);
    // Before its first commit a branch has nothing to compare with its upstream yet.
    status.upstream = detached || !hasCommits ? std::nullopt : upstream;
    status.unpublished = !detached && hasCommits && !upstream;
    status.stashes = stashes;
    return status;
}

QList<CommitInfo> commits(const QString &output)
{
    QList<CommitInfo> result;
    for (const QStringView line : QStringView(output).split(u'\n', Qt::SkipEmptyParts)) {
        const QList<QStringView> fields = commitFields(line);
        const std::optional<qint64> seconds =
            fields.size() == 3 ? epochSeconds(fields[2]) : std::nullopt;
        if (seconds)
            result.append({fields[0].toString(), fields[1].toString(),
                           QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC)});
    }
    return result;
}

} // namespace GitOutput
