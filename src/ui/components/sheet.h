// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QDialog;
class QScrollArea;
class QWidget;

// What every sheet shares: the way it sits on its window, its title and its scrolling list.
namespace Sheet {

// A sheet over the window it belongs to: window-modal, so the rest of the application stays
// usable, and deleted when closed.
void setUp(QDialog &sheet, const QString &objectName);
// The sheet's title in bold at `points` (small sheets 15, lists 16, forms 17).
void makeTitle(QWidget &title, qreal points);
// A borderless area that scrolls `content` vertically and takes its width. Tab goes to the
// controls inside, and the area keeps the focused one in view.
QScrollArea *scrollList(QWidget *content, QWidget *parent = nullptr);

} // namespace Sheet
