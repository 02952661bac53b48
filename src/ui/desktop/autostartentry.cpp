// SPDX-License-Identifier: MIT
#include "ui/desktop/autostartentry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Characters that make the desktop entry's command line quote an argument.
constexpr QStringView reserved = u" \t\n\"'\\><~|&;$*?#()`";

QString quotedArgument(const QString &argument)
{
    if (!argument.isEmpty() && std::none_of(argument.begin(), argument.end(),
                                            [](QChar c) { return reserved.contains(c); }))
        return argument;
    QString quoted = u"\""_s;
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    return quoted + u'"';
}

// The string escapes every desktop entry value goes through, after the command line's own.
QString escapedValue(const QString &text)
{
    static const std::pair<QChar, QString> escapes[] = {
        {u'\\', u"\\\\"_s}, {u'\n', u"\\n"_s}, {u'\t', u"\\t"_s}, {u'\r', u"\\r"_s}};
    QString escaped;
    for (const QChar c : text) {
        const auto *escape = std::find_if(std::begin(escapes), std::end(escapes),
                                          [c](const auto &pair) { return pair.first == c; });
        escaped += escape != std::end(escapes) ? escape->second : QString(c);
    }
    return escaped;
}

// A desktop entry boolean: "true" or "false" ("1" and "0" as GLib also reads them).
std::optional<bool> boolean(QStringView value)
{
    value = value.trimmed();
    if (value == u"true"_s || value == u"1"_s)
        return true;
    if (value == u"false"_s || value == u"0"_s)
        return false;
    return std::nullopt;
}

} // namespace

AutostartEntry::AutostartEntry(QString filePath, QString program)
    : m_filePath(std::move(filePath))
    , m_program(std::move(program))
{
}

AutostartEntry AutostartEntry::forThisProgram()
{
    return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                u"/autostart/app.quaylin.Quaylin.desktop"_s,
            QCoreApplication::applicationFilePath()};
}

bool AutostartEntry::isEnabled() const
{
    QFile file(m_filePath);
    if (!QFileInfo(m_filePath).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inMainGroup = line == u"[Desktop Entry]"_s;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inMainGroup || equals < 0)
            continue;
        const QStringView key = QStringView(line).left(equals).trimmed();
        const QStringView value = QStringView(line).mid(equals + 1);
        if (key == u"Hidden"_s && boolean(value) == true)
            return false;
        if (key == u"X-GNOME-Autostart-enabled"_s && boolean(value) == false)
            return false;
    }
    return true;
}

FileResult AutostartEntry::setEnabled(bool enabled) const
{
    if (!enabled) {
        QFile file(m_filePath);
        if (!QFileInfo::exists(m_filePath) || file.remove())
            return {};
        return FileResult::failure(u"cannot remove "_s + m_filePath + u": "_s + file.errorString());
    }
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return FileResult::failure(u"cannot create the folder of "_s + m_filePath);
    const QString text = u"[Desktop Entry]\n"
                         u"Type=Application\n"
                         u"Name=Quaylin\n"
                         u"Exec="_s +
                         execValue(m_program) +
                         u"\n"
                         u"Icon=app.quaylin.Quaylin\n"
                         u"Terminal=false\n"
                         u"X-GNOME-Autostart-enabled=true\n"_s;
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        return FileResult::failure(u"cannot write "_s + m_filePath + u": "_s + file.errorString());
    return {};
}

QString AutostartEntry::execValue(const QString &program)
{
    QString command = quotedArgument(program) + u' ' + QLatin1String(loginArgument);
    command.replace(u'%', u"%%"_s);
    return escapedValue(command);
}
