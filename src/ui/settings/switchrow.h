// SPDX-License-Identifier: MIT
#pragma once

class QHBoxLayout;
class QLabel;
class ToggleSwitch;

// A setting that is switched on and off: its text (12.5 pt) over an explanation (11 pt,
// secondary), both wrapping, with the switch at the right, level with the text.
QHBoxLayout *switchRow(QLabel *text, QLabel *explanation, ToggleSwitch *toggle);
