// SPDX-License-Identifier: MIT
#pragma once

#include <QKeyCombination>
#include <QString>

#include <optional>

// The chord of the global shortcut: one key with modifiers, in Qt's terms (Meta is the Super
// key on Linux, ⌘ on macOS). Only Ctrl, Alt, Shift and Meta count as modifiers, and only keys
// every backend can name: letters, digits, F1 to F24 and Space.
namespace HotKeyChord {

// Free in the default bindings of GNOME, KDE Plasma and Xfce as Debian 12 ships them.
QKeyCombination defaultChord();

enum class Problem {
    NoModifier,     // no Ctrl, Alt or Super: it would fire while the user types
    UnsupportedKey, // a key the desktops cannot be asked for
};
// What keeps `chord` from being a global shortcut, if anything. Shift alone is typing.
std::optional<Problem> problem(QKeyCombination chord);
// `chord` without the modifiers that are not part of a shortcut (keypad, group switch).
QKeyCombination normalized(QKeyCombination chord);

// The preference's text (QKeySequence's portable text, e.g. "Ctrl+Meta+S"), and back: absent
// text, or text that names no usable chord, is the default chord.
QString toStored(QKeyCombination chord);
QKeyCombination fromStored(const std::optional<QString> &text);

// As the user reads it: "Ctrl+Super+S" (on macOS "⌃⌘S").
QString displayText(QKeyCombination chord);

// The key's X keysym (0x73 for S), or 0 for a key outside the supported set.
quint32 keysym(Qt::Key key);
// The chord as the desktop portal writes a shortcut trigger: "CTRL+LOGO+s".
QString xdgTrigger(QKeyCombination chord);

} // namespace HotKeyChord
