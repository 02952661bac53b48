// SPDX-License-Identifier: MIT
#pragma once

#include "model/fileresult.h"

#include <QString>

// Starting with the desktop session: an XDG autostart entry in the user's autostart folder that
// runs this program with `loginArgument`. The file is the truth, read anew on every question:
// the user may delete it by hand, or a desktop's settings may switch it off inside the file.
class AutostartEntry final {
public:
    // Tells the program it was started at login (it then stays in the tray, with no window).
    static constexpr auto loginArgument = "--autostart";

    // `filePath`: the entry's file; `program`: the absolute path of the binary it starts.
    AutostartEntry(QString filePath, QString program);
    // $XDG_CONFIG_HOME/autostart/app.quaylin.Quaylin.desktop, starting the running binary.
    static AutostartEntry forThisProgram();

    QString filePath() const { return m_filePath; }
    // The file is there and readable, and no desktop switched it off (`Hidden=true`,
    // `X-GNOME-Autostart-enabled=false`).
    bool isEnabled() const;
    // Writes the entry, replacing whatever file was there, or removes it.
    FileResult setEnabled(bool enabled) const;

    // The entry's `Exec=` value for `program`: quoted when the path needs it, with `%`, quotes
    // and backslashes escaped as desktop entries require.
    static QString execValue(const QString &program);

private:
    QString m_filePath;
    QString m_program;
};
