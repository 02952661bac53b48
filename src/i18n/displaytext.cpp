// SPDX-License-Identifier: MIT
#include "i18n/displaytext.h"

namespace DisplayText {

namespace {

constexpr char16_t fsi = 0x2068;
constexpr char16_t pdi = 0x2069;

bool opensIsolate(QChar::Direction direction)
{
    return direction == QChar::DirLRI || direction == QChar::DirRLI || direction == QChar::DirFSI;
}

// Right-to-left letters and numbers, and every explicit embedding, override or isolate.
bool canReorder(QChar::Direction direction)
{
    switch (direction) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirAN:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
        return true;
    default:
        return false;
    }
}

} // namespace

QString visible(const QString &text, bool lineBreaks)
{
    QString result = text;
    for (QChar &character : result) {
        const char16_t code = character.unicode();
        if (lineBreaks && (code == u'\n' || code == u'\t'))
            continue;
        if (code < 0x20)
            character = QChar(char16_t(0x2400 + code));
        else if (code == 0x7f)
            character = QChar(char16_t(0x2421));
        else if (code >= 0x80 && code <= 0x9f)
            character = QChar(QChar::ReplacementCharacter);
    }
    return result;
}

QString isolated(const QString &text)
{
    QString result;
    result.reserve(text.size() + 2);
    bool isolate = false;
    int openIsolates = 0;
    // Already one isolate from end to end (shown before): it stays as it is.
    bool whole = text.startsWith(QChar(fsi));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar character = text.at(i);
        // Directions of whole code points: a surrogate pair is one letter.
        const char32_t point =
            character.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? QChar::surrogateToUcs4(character, text.at(i + 1))
                : character.unicode();
        const QChar::Direction direction = QChar::direction(point);
        isolate = isolate || canReorder(direction);
        if (opensIsolate(direction)) {
            ++openIsolates;
        } else if (direction == QChar::DirPDI) {
            // A closing isolate without its opening one would close ours early.
            if (openIsolates == 0)
                continue;
            --openIsolates;
        }
        whole = whole && (openIsolates > 0 || i == text.size() - 1);
        result.append(character);
    }
    if (!isolate || (whole && openIsolates == 0))
        return result;
    result.append(QString(openIsolates, QChar(pdi)));
    return QChar(fsi) + result + QChar(pdi);
}

QString shown(const QString &text, bool lineBreaks)
{
    return isolated(visible(text, lineBreaks));
}

} // namespace DisplayText
