// SPDX-License-Identifier: MIT
#include "ui/shell/quitconfirmation.h"

#include "app/appmodel.h"
#include "app/backupfiles.h"
#include "i18n/localization.h"
#include "ui/components/sheet.h"
#include "ui/desktop/filechooser.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

void showCopyFailure(QWidget *parent, const QString &reason)
{
    auto *box = new QMessageBox(parent);
    Sheet::setUp(*box, u"unsavedCopyFailure"_s);
    box->setIcon(QMessageBox::Critical);
    box->setWindowTitle(L(u"Kopii se nepodařilo uložit"_s));
    box->setText(L(u"Kopii se nepodařilo uložit"_s));
    box->setInformativeText(reason);
    box->setTextFormat(Qt::PlainText);
    box->open();
}

} // namespace

namespace QuitConfirmation {

void ask(QWidget *parent, AppModel &model, FileChooser &files, std::function<void()> quit)
{
    auto *box = new QMessageBox(parent);
    Sheet::setUp(*box, u"unsavedQuitBox"_s);
    box->setIcon(QMessageBox::Warning);
    box->setWindowTitle(L(u"Změny se nepodařilo uložit"_s));
    box->setText(L(u"Změny se nepodařilo uložit"_s));
    box->setInformativeText(model.dataFile().saveError().value_or(QString()) + u"\n\n"_s +
                            L(u"Ulož kopii jinam, nebo ukonči Quaylin bez uložení změn."_s));
    box->setTextFormat(Qt::PlainText);
    QPushButton *copy = box->addButton(L(u"Uložit kopii…"_s), QMessageBox::AcceptRole);
    copy->setObjectName(u"saveCopyButton"_s);
    QPushButton *discard =
        box->addButton(L(u"Ukončit bez uložení"_s), QMessageBox::DestructiveRole);
    discard->setObjectName(u"quitWithoutSavingButton"_s);
    QPushButton *cancel = box->addButton(L(u"Zrušit"_s), QMessageBox::RejectRole);
    cancel->setObjectName(u"cancelQuitButton"_s);
    box->setDefaultButton(copy);
    box->setEscapeButton(cancel);

    const QPointer<QWidget> owner(parent);
    QObject::connect(discard, &QPushButton::clicked, &model, quit);
    QObject::connect(copy, &QPushButton::clicked, &model, [owner, &model, &files, quit] {
        const QString name =
            u"Quaylin-%1.json"_s.arg(model.now().toLocalTime().toString(u"yyyy-MM-dd-HHmmss"));
        files.saveJsonFile(owner, L(u"Uložit kopii…"_s), name,
                           [owner, &model, quit](const QString &path) {
                               const FileResult result = BackupFiles::exportBackup(model, path);
                               if (result.ok())
                                   quit();
                               else
                                   showCopyFailure(owner, *result.error);
                           });
    });
    box->open();
}

} // namespace QuitConfirmation
