// SPDX-License-Identifier: MIT
#include "cli/commandline.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quaylin"));
    QCoreApplication::setApplicationName(QStringLiteral("Quaylin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUAYLIN_VERSION));
    return CommandLine::run(app);
}
