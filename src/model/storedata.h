// SPDX-License-Identifier: MIT
#pragma once

#include "model/cardlabel.h"
#include "model/projectconfig.h"
#include "model/projectfolder.h"
#include "model/taskcard.h"

#include <QList>

// The whole persisted document: the data file and every backup file share this form.
struct StoreData {
    QList<ProjectConfig> projects;
    QList<TaskCard> cards;
    bool didSeed = false;
    QList<CardLabel> labels;
    QList<ProjectFolder> folders;

    // What start-up uses when no document can be read: empty lists, the default labels.
    static StoreData defaultDocument();

    friend bool operator==(const StoreData &, const StoreData &) = default;
};
