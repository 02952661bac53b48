// SPDX-License-Identifier: MIT
#include "app/editaction.h"

#include "i18n/localization.h"

using namespace Qt::StringLiterals;

namespace EditActions {

QString title(EditAction action)
{
    // Named as the undo entry of the menu names them; some words also name buttons.
    static constexpr char context[] = "edit action";
    switch (action) {
    case EditAction::AddCard:
        return L(u"Přidat kartu"_s, context);
    case EditAction::MoveCard:
        return L(u"Přesunout kartu"_s, context);
    case EditAction::ArchiveCard:
        return L(u"Archivovat kartu"_s, context);
    case EditAction::UnarchiveCard:
        return L(u"Obnovit kartu"_s, context);
    case EditAction::DeleteCard:
        return L(u"Smazat kartu"_s, context);
    case EditAction::EditTitle:
        return L(u"Upravit název karty"_s, context);
    case EditAction::EditNote:
        return L(u"Upravit popis karty"_s, context);
    case EditAction::EditCard:
        return L(u"Upravit kartu"_s, context);
    case EditAction::SetCoverColor:
        return L(u"Změnit barvu karty"_s, context);
    case EditAction::SetPriority:
        return L(u"Změnit prioritu"_s, context);
    case EditAction::ToggleLabel:
        return L(u"Změnit štítky karty"_s, context);
    case EditAction::SetDueDate:
        return L(u"Změnit termín"_s, context);
    case EditAction::AddChecklistItem:
        return L(u"Přidat položku checklistu"_s, context);
    case EditAction::ToggleChecklistItem:
        return L(u"Přepnout položku checklistu"_s, context);
    case EditAction::RemoveChecklistItem:
        return L(u"Odebrat položku checklistu"_s, context);
    case EditAction::AddLabel:
        return L(u"Přidat štítek"_s, context);
    case EditAction::RenameLabel:
        return L(u"Přejmenovat štítek"_s, context);
    case EditAction::RecolorLabel:
        return L(u"Změnit barvu štítku"_s, context);
    case EditAction::DeleteLabel:
        return L(u"Smazat štítek"_s, context);
    case EditAction::MoveProject:
        return L(u"Přesunout projekt"_s, context);
    case EditAction::AddFolder:
        return L(u"Přidat složku"_s, context);
    case EditAction::RenameFolder:
        return L(u"Přejmenovat složku"_s, context);
    case EditAction::DeleteFolder:
        return L(u"Smazat složku"_s, context);
    }
    return {};
}

bool mergesTyping(EditAction action)
{
    return action == EditAction::EditTitle || action == EditAction::EditNote ||
           action == EditAction::RenameLabel;
}

} // namespace EditActions
