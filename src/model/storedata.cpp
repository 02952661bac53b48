// SPDX-License-Identifier: MIT
#include "model/storedata.h"

StoreData StoreData::defaultDocument()
{
    StoreData data;
    data.labels = CardLabel::defaults();
    return data;
}
