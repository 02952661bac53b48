// SPDX-License-Identifier: MIT
#pragma once

#include "app/listchange.h"
#include "model/storedata.h"

// What one operation did to the persisted document, list by list (see ListChange).
struct DocumentChange {
    ListChange<ProjectConfig> projects;
    ListChange<TaskCard> cards;
    ListChange<CardLabel> labels;
    ListChange<ProjectFolder> folders;

    static DocumentChange between(const StoreData &before, const StoreData &after);
    bool isEmpty() const;
    // A card comes back only to a project that is still there: one removed meanwhile took
    // its cards along.
    void apply(StoreData &document, ChangeDirection direction) const;
    // Takes in a later change of the very same records (see ListChange::absorb); all or none.
    bool absorb(const DocumentChange &later);
};
