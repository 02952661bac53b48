// SPDX-License-Identifier: MIT
#pragma once

class QAbstractButton;

// Qt's accessible button answers a screen reader's "Toggle" on a checkable button with
// toggle(): the look flips, but `clicked` never comes, so a chip or swatch that acts on clicks
// leaves the card as it was. Buttons passed here do on every accessible action (press or
// toggle) exactly what a click does.
namespace AccessibleButton {

void clickOnEveryAction(QAbstractButton &button);

} // namespace AccessibleButton
