// SPDX-License-Identifier: MIT
#pragma once

#include "app/statuscolor.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What the command line prints: texts made safe for a terminal, their width there, colours,
// and writes to standard output that report failure.
namespace Terminal {

// Control characters (C0, DEL, C1), line and paragraph separators and bidirectional controls
// written as visible escapes ("\n", "\t", "\x1b", "\u202e"), so a name from the data file or a
// text from a service can neither move the cursor, retitle the terminal nor forge a line.
QString escaped(const QString &text);

// Columns the text takes on a terminal: two for wide and emoji characters, none for marks
// joined to the character before.
int width(const QString &text);

// The text in the status colour's terminal colour (green, yellow, red, grey).
QString colored(const QString &text, StatusColor color);

// Whether standard output is a terminal, and whether colours may be used: only on a terminal,
// with `NO_COLOR` unset or empty, TERM not "dumb", and not switched off on the command line.
bool outputIsTerminal();
bool colorsAllowed(bool noColorOption);

// Writes every byte to standard output and flushes; the system's reason when that fails.
std::optional<QString> writeOut(const QByteArray &bytes);

} // namespace Terminal
