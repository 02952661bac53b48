// SPDX-License-Identifier: MIT
#include "ui/components/confirmation.h"

#include "i18n/localization.h"
#include "ui/components/languagechange.h"
#include "ui/components/sheet.h"

#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Confirmation {

QMessageBox *ask(QWidget *parent, const QString &objectName, const Texts &czech,
                 std::function<void()> confirmed)
{
    auto *box = new QMessageBox(parent);
    Sheet::setUp(*box, objectName);
    box->setIcon(QMessageBox::Warning);
    QPushButton *confirm = box->addButton(QString(), QMessageBox::DestructiveRole);
    confirm->setObjectName(u"confirmButton"_s);
    QPushButton *cancel = box->addButton(QString(), QMessageBox::RejectRole);
    cancel->setObjectName(u"cancelButton"_s);
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);

    LanguageChange::follow(*box, [box, confirm, cancel, czech] {
        box->setWindowTitle(L(czech.title));
        box->setText(L(czech.title));
        box->setInformativeText(L(czech.message));
        confirm->setText(L(czech.destructive));
        cancel->setText(L(u"Zrušit"_s));
    });
    QObject::connect(confirm, &QPushButton::clicked, box, [confirmed = std::move(confirmed)] {
        if (confirmed)
            confirmed();
    });
    box->open();
    return box;
}

} // namespace Confirmation
