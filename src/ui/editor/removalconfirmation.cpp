// SPDX-License-Identifier: MIT
#include "ui/editor/removalconfirmation.h"

#include "ui/components/confirmation.h"

using namespace Qt::StringLiterals;

namespace RemovalConfirmation {

QMessageBox *ask(QWidget *parent, std::function<void()> confirmed)
{
    const Confirmation::Texts texts{
        u"Odstranit projekt ze Quaylin?"_s,
        u"Smažou se i všechny jeho úkoly v kanbanu. Soubory na disku ani git historie se "
        u"nedotknou — jen appka o projektu přestane vědět."_s,
        u"Odstranit"_s};
    return Confirmation::ask(parent, u"removeProjectConfirmation"_s, texts, std::move(confirmed));
}

} // namespace RemovalConfirmation
