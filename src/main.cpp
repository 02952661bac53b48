// SPDX-License-Identifier: MIT
#include "cli/commandline.h"
#include "services/appversion.h"
#include "ui/desktop/autostartentry.h"
#include "ui/shell/desktopapplication.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quaylin"));
    QCoreApplication::setApplicationName(QStringLiteral("Quaylin"));
    QCoreApplication::setApplicationVersion(AppVersion::current());
    const bool atLogin = argc == 2 && qstrcmp(argv[1], AutostartEntry::loginArgument) == 0;
    if (argc <= 1 || atLogin)
        return DesktopApplication::exec(argc, argv, atLogin);
    QCoreApplication app(argc, argv);
    return CommandLine::run(app);
}
