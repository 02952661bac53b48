// SPDX-License-Identifier: MIT
#include "ui/card/carddeletion.h"

#include "app/appmodel.h"
#include "i18n/localization.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/sheet.h"

#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// A card title as one readable line in the question.
constexpr int titleCharacters = 80;

QString shortTitle(const QString &title)
{
    const QString line = ElidedLabel::singleLine(title).trimmed();
    return line.size() > titleCharacters ? line.left(titleCharacters - 1) + u"…"_s : line;
}

} // namespace

namespace CardDeletion {

QString warning()
{
    return L(u"Tuhle akci nejde vzít zpět. Zvaž Archivovat, pokud si nejsi jistý."_s);
}

void confirm(QWidget *parent, AppModel &model, const QUuid &cardID, const QString &message,
             const std::function<void()> &deleted)
{
    const std::optional<TaskCard> card = model.card(cardID);
    if (!card)
        return;
    auto *box = new QMessageBox(parent);
    Sheet::setUp(*box, u"deleteCardConfirmation"_s);
    box->setIcon(QMessageBox::Warning);
    box->setWindowTitle(L(u"Smazat kartu natrvalo?"_s));
    box->setText(L(u"Smazat kartu natrvalo?"_s));
    const QString title = shortTitle(card->title);
    box->setInformativeText(title.isEmpty() ? message : title + u"\n\n"_s + message);
    box->setTextFormat(Qt::PlainText);
    QPushButton *remove = box->addButton(L(u"Smazat natrvalo"_s), QMessageBox::DestructiveRole);
    remove->setObjectName(u"confirmDeleteButton"_s);
    QPushButton *cancel = box->addButton(L(u"Zrušit"_s), QMessageBox::RejectRole);
    cancel->setObjectName(u"cancelDeleteButton"_s);
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    QObject::connect(remove, &QPushButton::clicked, &model, [&model, cardID, deleted] {
        model.deleteCard(cardID);
        if (deleted)
            deleted();
    });
    box->open();
}

} // namespace CardDeletion
