// SPDX-License-Identifier: MIT
#include "app/adoption.h"

StoreData adoptedDocument(StoreData document)
{
    if (document.labels.isEmpty())
        document.labels = CardLabel::defaults();
    return document;
}
