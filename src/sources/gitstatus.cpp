// SPDX-License-Identifier: MIT
#include "sources/gitstatus.h"

#include <utility>

GitStatus GitStatus::clean(QString branch, int ahead, int behind)
{
    return {Kind::Clean, std::move(branch), 0, ahead, behind};
}

GitStatus GitStatus::dirty(QString branch, int changes, int ahead, int behind)
{
    return {Kind::Dirty, std::move(branch), changes, ahead, behind};
}
