// SPDX-License-Identifier: MIT
#include "sources/gitstatus.h"

#include <utility>

GitStatus GitStatus::clean(QString branch, int ahead, int behind)
{
    GitStatus status;
    status.kind = Kind::Clean;
    status.branch = std::move(branch);
    status.ahead = ahead;
    status.behind = behind;
    return status;
}

GitStatus GitStatus::dirty(QString branch, int changes, int ahead, int behind)
{
    GitStatus status = clean(std::move(branch), ahead, behind);
    status.kind = Kind::Dirty;
    status.changes = changes;
    return status;
}

GitStatus GitStatus::notAvailable()
{
    GitStatus status;
    status.kind = Kind::NotAvailable;
    return status;
}
