// SPDX-License-Identifier: MIT
#pragma once

class QComboBox;

namespace AccessibleCombo {

// A screen reader picks an entry of a closed combo box by selecting it in the box's list (the
// entry's "Toggle" action); Qt takes that for a highlight and the choice never happens. After
// this call such a selection chooses the entry as a click would: current index and
// `activated`. While the list is open, selection stays what it is, the pointer's highlight.
void chooseOnAccessibleSelection(QComboBox &combo);

} // namespace AccessibleCombo
