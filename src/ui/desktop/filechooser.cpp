// SPDX-License-Identifier: MIT
#include "ui/desktop/filechooser.h"

#include "ui/components/sheet.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace {

QString startFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

// A dialog that lives until it closes and answers through `chosen` only on a real choice.
QFileDialog *dialog(QWidget *parent, const QString &title, FileChooser::Chosen chosen)
{
    auto *dialog = new QFileDialog(parent, title, startFolder());
    Sheet::setUp(*dialog, QStringLiteral("fileChooser"));
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [chosen = std::move(chosen)](const QString &path) {
                         if (!path.isEmpty())
                             chosen(path);
                     });
    return dialog;
}

void limitToJson(QFileDialog *dialog)
{
    dialog->setNameFilter(QStringLiteral("JSON (*.json)"));
    dialog->setDefaultSuffix(QStringLiteral("json"));
}

} // namespace

void SystemFileChooser::saveJsonFile(QWidget *parent, const QString &title, const QString &fileName,
                                     Chosen chosen)
{
    QFileDialog *save = dialog(parent, title, std::move(chosen));
    save->setAcceptMode(QFileDialog::AcceptSave);
    save->setFileMode(QFileDialog::AnyFile);
    limitToJson(save);
    save->selectFile(fileName);
    save->open();
}

void SystemFileChooser::openJsonFile(QWidget *parent, const QString &title, Chosen chosen)
{
    QFileDialog *open = dialog(parent, title, std::move(chosen));
    open->setAcceptMode(QFileDialog::AcceptOpen);
    open->setFileMode(QFileDialog::ExistingFile);
    limitToJson(open);
    open->open();
}

void SystemFileChooser::chooseFolder(QWidget *parent, const QString &prompt, Chosen chosen)
{
    QFileDialog *folder = dialog(parent, prompt, std::move(chosen));
    folder->setAcceptMode(QFileDialog::AcceptOpen);
    folder->setFileMode(QFileDialog::Directory);
    folder->setOption(QFileDialog::ShowDirsOnly);
    folder->setLabelText(QFileDialog::Accept, prompt);
    folder->open();
}
