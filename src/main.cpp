// SPDX-License-Identifier: MIT
#include "cli/commandline.h"
#include "services/appversion.h"
#include "ui/shell/desktopapplication.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quaylin"));
    QCoreApplication::setApplicationName(QStringLiteral("Quaylin"));
    QCoreApplication::setApplicationVersion(AppVersion::current());
    if (argc <= 1)
        return DesktopApplication::exec(argc, argv);
    QCoreApplication app(argc, argv);
    return CommandLine::run(app);
}
