// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

class QWidget;

namespace TabOrder {

// Puts `widgets` (made after the rest of their window, so at the end of its Tab order) in Tab
// order right where `place` stands, each with its children. `place` need not take the focus
// itself (a container, a heading): the widgets follow the last control before it.
void insertAt(QWidget *place, const QList<QWidget *> &widgets);

} // namespace TabOrder
