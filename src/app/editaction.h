// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The operations the undo history records, by what the user did.
enum class EditAction {
    AddCard,
    MoveCard,
    ArchiveCard,
    UnarchiveCard,
    DeleteCard,
    EditTitle,
    EditNote,
    EditCard,
    SetCoverColor,
    SetPriority,
    ToggleLabel,
    SetDueDate,
    AddChecklistItem,
    ToggleChecklistItem,
    RemoveChecklistItem,
    AddLabel,
    RenameLabel,
    RecolorLabel,
    DeleteLabel,
    MoveProject,
    AddFolder,
    RenameFolder,
    DeleteFolder,
};

namespace EditActions {

// "Přesunout kartu", in the interface language of the moment ("Move Card").
QString title(EditAction action);
// Typing: consecutive changes of one record's text undo as one step.
bool mergesTyping(EditAction action);

} // namespace EditActions
