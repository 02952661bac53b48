// SPDX-License-Identifier: MIT
#include "cli/terminal.h"

#include <QList>
#include <QTextBoundaryFinder>

#include <unicode/uchar.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool needsEscape(char16_t c)
{
    if (c < 0x20 || (c >= 0x7f && c <= 0x9f))
        return true;
    switch (c) {
    case 0x061c: // arabic letter mark
    case 0x200e: // left-to-right mark
    case 0x200f: // right-to-left mark
    case 0x2028: // line separator
    case 0x2029: // paragraph separator
        return true;
    default:
        // Embeddings, overrides and isolates, which reorder what follows on the line.
        return (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
    }
}

QString escape(char16_t c)
{
    switch (c) {
    case u'\n':
        return u"\\n"_s;
    case u'\r':
        return u"\\r"_s;
    case u'\t':
        return u"\\t"_s;
    default:
        break;
    }
    if (c <= 0xff)
        return u"\\x"_s + QString::number(c, 16).rightJustified(2, u'0');
    return u"\\u"_s + QString::number(c, 16).rightJustified(4, u'0');
}

// One user-perceived character: two columns when any of its code points is wide or asks for
// emoji presentation, none when all of them are marks or format characters.
int clusterWidth(QStringView cluster)
{
    bool visible = false;
    for (const uint c : cluster.toUcs4()) {
        const int eastAsian = u_getIntPropertyValue(UChar32(c), UCHAR_EAST_ASIAN_WIDTH);
        if (c == 0xfe0f || eastAsian == U_EA_WIDE || eastAsian == U_EA_FULLWIDTH ||
            u_hasBinaryProperty(UChar32(c), UCHAR_EMOJI_PRESENTATION))
            return 2;
        const int8_t type = u_charType(UChar32(c));
        if (type != U_NON_SPACING_MARK && type != U_ENCLOSING_MARK && type != U_FORMAT_CHAR &&
            type != U_CONTROL_CHAR)
            visible = true;
    }
    return visible ? 1 : 0;
}

} // namespace

namespace Terminal {

QString escaped(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (needsEscape(c.unicode()))
            result += escape(c.unicode());
        else
            result += c;
    }
    return result;
}

int width(const QString &text)
{
    int columns = 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        columns += clusterWidth(QStringView(text).sliced(start, end - start));
        start = end;
    }
    return columns;
}

QString colored(const QString &text, StatusColor color)
{
    const char *code = "90";
    switch (color) {
    case StatusColor::Green:
        code = "32";
        break;
    case StatusColor::Yellow:
        code = "33";
        break;
    case StatusColor::Red:
        code = "31";
        break;
    case StatusColor::Gray:
        break;
    }
    return u"\x1b["_s + QLatin1StringView(code) + u'm' + text + u"\x1b[0m"_s;
}

bool outputIsTerminal()
{
    return isatty(STDOUT_FILENO) == 1;
}

bool colorsAllowed(bool noColorOption)
{
    return outputIsTerminal() && !noColorOption && qEnvironmentVariableIsEmpty("NO_COLOR") &&
           qEnvironmentVariable("TERM") != u"dumb";
}

std::optional<QString> writeOut(const QByteArray &bytes)
{
    errno = 0;
    const bool written =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    if (std::fflush(stdout) == 0 && written && !std::ferror(stdout))
        return std::nullopt;
    const int error = errno;
    return error ? QString::fromLocal8Bit(std::strerror(error)) : u"write failed"_s;
}

} // namespace Terminal
