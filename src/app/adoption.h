// SPDX-License-Identifier: MIT
#pragma once

#include "model/storedata.h"

// The lists the model adopts from a read document: an empty label list becomes the default
// set; everything else is taken as it is.
StoreData adoptedDocument(StoreData document);
