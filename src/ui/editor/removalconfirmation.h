// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QMessageBox;
class QWidget;

// The question before a project leaves Quaylin (its cards go with it; files on disk stay),
// asked by the sidebar and by the project editor. "Odstranit" runs `confirmed`.
namespace RemovalConfirmation {

QMessageBox *ask(QWidget *parent, std::function<void()> confirmed);

} // namespace RemovalConfirmation
