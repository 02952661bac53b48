// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUuid>

#include <functional>

class AppModel;
class QWidget;

// The question before a card is deleted for good, asked window-modal over `parent` (the call
// returns at once). It names the card; "Smazat natrvalo" deletes it and then calls `deleted`;
// anything else leaves everything as it was. `message` is the warning under the title.
namespace CardDeletion {

// The board's and the card sheet's warning, which suggests archiving instead.
QString warning();
void confirm(QWidget *parent, AppModel &model, const QUuid &cardID, const QString &message,
             const std::function<void()> &deleted = {});

} // namespace CardDeletion
