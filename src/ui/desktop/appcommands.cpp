// SPDX-License-Identifier: MIT
#include "ui/desktop/appcommands.h"

AppCommands::AppCommands(QObject *parent)
    : QObject(parent)
{
}

void AppCommands::requestNewProject()
{
    emit newProjectRequested();
}

void AppCommands::requestNewFolder()
{
    emit newFolderRequested();
}

void AppCommands::requestRefresh()
{
    emit refreshRequested();
}

void AppCommands::requestFocusSearch()
{
    emit focusSearchRequested();
}
