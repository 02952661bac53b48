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
