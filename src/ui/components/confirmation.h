// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

// A window-modal question before something that cannot be undone: the destructive button runs
// `confirmed`; "Zrušit", Escape or closing the box changes nothing. Texts are given in Czech
// and shown in the interface language, switching with it while the box is open. The box
// deletes itself when answered; its buttons are named "confirmButton" and "cancelButton".
namespace Confirmation {

struct Texts {
    QString title; // also the box's heading
    QString message;
    QString destructive; // the button that goes ahead
};

QMessageBox *ask(QWidget *parent, const QString &objectName, const Texts &czech,
                 std::function<void()> confirmed);

} // namespace Confirmation
