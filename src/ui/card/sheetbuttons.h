// SPDX-License-Identifier: MIT
#pragma once

class QAbstractButton;

// Looks of the push buttons in sheets, from the colour table: prominent (filled with the accent,
// for the one action that closes a sheet as done), destructive (red text) and small.
namespace SheetButtons {

void makeProminent(QAbstractButton *button);
void makeDestructive(QAbstractButton *button);
void makeSmall(QAbstractButton *button);

} // namespace SheetButtons
