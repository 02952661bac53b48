// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;

// Retranslation for a widget that is not a class of its own (a message box, a tray icon's
// menu), which cannot override changeEvent(): runs `retranslate` now and on every
// QEvent::LanguageChange the widget receives, for as long as it lives.
namespace LanguageChange {

void follow(QWidget &widget, std::function<void()> retranslate);

} // namespace LanguageChange
