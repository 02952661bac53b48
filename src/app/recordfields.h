// SPDX-License-Identifier: MIT
#pragma once

#include "model/cardlabel.h"
#include "model/projectconfig.h"
#include "model/projectfolder.h"
#include "model/taskcard.h"

#include <concepts>
#include <tuple>
#include <type_traits>
#include <utility>

// Every field of a persisted record, as a tuple of references. The structured bindings name
// exactly as many fields as the record has, so a field added to a record stops the build here
// until it is listed too: an undo that forgot a field would silently keep its new value.
namespace RecordFields {

template<typename R, typename Record>
concept Of = std::same_as<std::remove_const_t<R>, Record>;

template<Of<TaskCard> R> auto of(R &c)
{
    auto &[id, projectID, title, note, column, createdAt, completedAt, isDeployFix, dueDate,
           labelIDs, checklist, archived, sortIndex, coverColorName, priority, timeSpentSeconds,
           timerStartedAt] = c;
    return std::tie(id, projectID, title, note, column, createdAt, completedAt, isDeployFix,
                    dueDate, labelIDs, checklist, archived, sortIndex, coverColorName, priority,
                    timeSpentSeconds, timerStartedAt);
}

template<Of<ProjectConfig> R> auto of(R &p)
{
    auto &[id, name, localPath, siteURL, githubURL, netlifySiteID, vercelProjectID, emoji, status,
           folderID, sortIndex] = p;
    return std::tie(id, name, localPath, siteURL, githubURL, netlifySiteID, vercelProjectID, emoji,
                    status, folderID, sortIndex);
}

template<Of<ProjectFolder> R> auto of(R &f)
{
    auto &[id, name, sortIndex, isExpanded] = f;
    return std::tie(id, name, sortIndex, isExpanded);
}

template<Of<CardLabel> R> auto of(R &l)
{
    auto &[id, name, colorName] = l;
    return std::tie(id, name, colorName);
}

// Puts back, field by field, what one change turned `from` into `to`: a field of `current`
// takes its `to` value where the change touched it and it still holds the `from` value. A
// field someone else has changed since keeps their value.
template<typename Record> void carryOver(Record &current, const Record &from, const Record &to)
{
    auto here = of(current);
    const auto was = of(from);
    const auto becomes = of(to);
    [&]<std::size_t... I>(std::index_sequence<I...>)
    {
        ((std::get<I>(was) != std::get<I>(becomes) && std::get<I>(here) == std::get<I>(was)
              ? void(std::get<I>(here) = std::get<I>(becomes))
              : void()),
         ...);
    }
    (std::make_index_sequence<std::tuple_size_v<decltype(here)>>{});
}

} // namespace RecordFields
