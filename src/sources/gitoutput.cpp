// SPDX-License-Identifier: MIT
#include "sources/gitoutput.h"

#include <QStringView>

#include <algorithm>

namespace {

constexpr QChar unitSeparator(u'\x1f');

// A plain decimal integer: an optional sign and ASCII digits, nothing else (no spaces).
std::optional<int> decimal(QStringView text)
{
    const QStringView digits = text.startsWith(u'+') || text.startsWith(u'-') ? text.mid(1) : text;
    if (digits.isEmpty() ||
        !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
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
    constexpr QStringView headHeader = u"# branch.head ";
    constexpr QStringView countsHeader = u"# branch.ab ";
    std::optional<QString> head;
    std::pair<int, int> behindAhead(0, 0);
    int changes = 0;
    for (const QStringView line : QStringView(output).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(headHeader))
            head = branch(line.sliced(headHeader.size()).toString());
        else if (line.startsWith(countsHeader))
            behindAhead = behindAheadHeader(line.sliced(countsHeader.size()));
        else if (!line.startsWith(u'#'))
            ++changes;
    }
    if (!head)
        return std::nullopt;
    if (*head == u"(detached)")
        return GitStatus::notAvailable();
    if (changes > 0)
        return GitStatus::dirty(*head, changes, behindAhead.second, behindAhead.first);
    return GitStatus::clean(*head, behindAhead.second, behindAhead.first);
}

QList<CommitInfo> commits(const QString &output)
{
    QList<CommitInfo> result;
    for (const QStringView line : QStringView(output).split(u'\n', Qt::SkipEmptyParts)) {
        const QList<QStringView> fields = commitFields(line);
        if (fields.size() == 3)
            result.append({fields[0].toString(), fields[1].toString(), fields[2].toString()});
    }
    return result;
}

} // namespace GitOutput
