// SPDX-License-Identifier: MIT
// For the kill test of tst_saving: edits the first card of the data file in the folder given,
// over and over, counting in its title. Every few edits it waits for the save and prints the
// count now on disk. Runs until killed.
#include "app/appmodel.h"
#include "sources/httpconnections.h"
#include "sources/processrunner.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    ProcessRunner runner;
    HttpConnections network;
    AppEnvironment environment;
    environment.store = Store(QString::fromLocal8Bit(argv[1]));
    environment.processRunner = &runner;
    environment.network = &network;
    AppModel model(std::move(environment));
    if (model.cards().isEmpty())
        return 2;
    TaskCard card = model.cards().first();
    for (int count = card.title.toInt() + 1;; ++count) {
        card.title = QString::number(count);
        model.updateCard(card);
        if (count % 5 != 0)
            continue;
        model.dataFile().waitForPendingSaves();
        if (model.dataFile().saveError())
            return 1;
        std::printf("%d\n", count);
        std::fflush(stdout);
    }
}
