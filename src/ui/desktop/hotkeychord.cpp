// SPDX-License-Identifier: MIT
#include "ui/desktop/hotkeychord.h"

#include <QKeySequence>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

constexpr Qt::KeyboardModifiers shortcutModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier;
constexpr Qt::KeyboardModifiers holdingModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
constexpr quint32 keysymF1 = 0xffbe; // F2 to F24 follow it

// Each modifier as the desktops show it and as the desktop portal's shortcut triggers write it, in
// the order both put them.
struct ModifierName {
    Qt::KeyboardModifier modifier;
    const char16_t *shown;
    const char16_t *xdg;
};
constexpr ModifierName modifierNames[] = {
    {Qt::ControlModifier, u"Ctrl", u"CTRL"},
    {Qt::AltModifier, u"Alt", u"ALT"},
    {Qt::ShiftModifier, u"Shift", u"SHIFT"},
    {Qt::MetaModifier, u"Super", u"LOGO"}, // Qt's Meta is the Super key
};

QString joined(QKeyCombination chord, const char16_t *ModifierName::*name, const QString &key)
{
    QStringList parts;
    for (const ModifierName &modifier : modifierNames) {
        if (chord.keyboardModifiers() & modifier.modifier)
            parts.append(QString::fromUtf16(modifier.*name));
    }
    parts.append(key);
    return parts.join(u'+');
}

bool isLetter(Qt::Key key)
{
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

bool isDigit(Qt::Key key)
{
    return key >= Qt::Key_0 && key <= Qt::Key_9;
}

bool isFunctionKey(Qt::Key key)
{
    return key >= Qt::Key_F1 && key <= Qt::Key_F24;
}

// The keysym's name in xkbcommon-keysyms.h, without its XKB_KEY_ prefix.
QString keysymName(Qt::Key key)
{
    if (isLetter(key) || isDigit(key))
        return QString(QChar(HotKeyChord::keysym(key)));
    if (isFunctionKey(key))
        return u"F"_s + QString::number(key - Qt::Key_F1 + 1);
    return u"space"_s;
}

} // namespace

namespace HotKeyChord {

QKeyCombination defaultChord()
{
    return QKeyCombination(Qt::ControlModifier | Qt::MetaModifier, Qt::Key_S);
}

std::optional<Problem> problem(QKeyCombination chord)
{
    if (keysym(chord.key()) == 0)
        return Problem::UnsupportedKey;
    if (!(chord.keyboardModifiers() & holdingModifiers))
        return Problem::NoModifier;
    return std::nullopt;
}

QKeyCombination normalized(QKeyCombination chord)
{
    return QKeyCombination(chord.keyboardModifiers() & shortcutModifiers, chord.key());
}

QString toStored(QKeyCombination chord)
{
    return QKeySequence(chord).toString(QKeySequence::PortableText);
}

QKeyCombination fromStored(const std::optional<QString> &text)
{
    if (!text)
        return defaultChord();
    const QKeySequence sequence = QKeySequence::fromString(*text, QKeySequence::PortableText);
    if (sequence.count() != 1)
        return defaultChord();
    const QKeyCombination chord = normalized(sequence[0]);
    return problem(chord) ? defaultChord() : chord;
}

QString displayText(QKeyCombination chord)
{
#ifdef Q_OS_MACOS
    return QKeySequence(chord).toString(QKeySequence::NativeText);
#else
    return joined(chord, &ModifierName::shown,
                  QKeySequence(chord.key()).toString(QKeySequence::PortableText));
#endif
}

quint32 keysym(Qt::Key key)
{
    // Latin-1 keysyms are the characters' codes; letters are named by their small form.
    if (isLetter(key))
        return static_cast<quint32>(key - Qt::Key_A + 'a');
    if (isDigit(key) || key == Qt::Key_Space)
        return static_cast<quint32>(key);
    if (isFunctionKey(key))
        return keysymF1 + static_cast<quint32>(key - Qt::Key_F1);
    return 0;
}

QString xdgTrigger(QKeyCombination chord)
{
    return joined(chord, &ModifierName::xdg, keysymName(chord.key()));
}

} // namespace HotKeyChord
