// SPDX-License-Identifier: MIT
#include "ui/main/renamefoldersheet.h"

#include "app/appmodel.h"
#include "i18n/localization.h"
#include "ui/components/prominentbutton.h"
#include "ui/components/sheet.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

RenameFolderSheet::RenameFolderSheet(UiContext &context, const QUuid &folderID, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_folderID(folderID)
    , m_title(new QLabel)
    , m_name(new QLineEdit)
    , m_cancel(new QPushButton)
    , m_save(new ProminentButton)
{
    Sheet::setUp(*this, u"renameFolderSheet"_s);
    Sheet::makeTitle(*m_title, 15);
    m_name->setObjectName(u"renameFolderField"_s);
    m_name->setMinimumWidth(280);
    if (const std::optional<ProjectFolder> folder = context.model.folder(folderID))
        m_name->setText(folder->name);
    m_name->selectAll();
    m_cancel->setObjectName(u"renameFolderCancelButton"_s);
    m_cancel->setAutoDefault(false);
    m_save->setObjectName(u"renameFolderSaveButton"_s);
    m_save->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_save);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(14);
    layout->addWidget(m_title);
    layout->addWidget(m_name);
    layout->addLayout(buttons);

    const auto validate = [this] { m_save->setEnabled(!m_name->text().trimmed().isEmpty()); };
    connect(m_name, &QLineEdit::textChanged, this, validate);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &QDialog::accept);
    // A folder deleted meanwhile has nothing left to rename.
    connect(&context.model, &AppModel::foldersChanged, this, [this] {
        if (!m_context.model.folder(m_folderID))
            reject();
    });
    validate();
    retranslate();
}

void RenameFolderSheet::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void RenameFolderSheet::retranslate()
{
    setWindowTitle(L(u"Přejmenovat složku"_s));
    m_title->setText(L(u"Přejmenovat složku"_s));
    m_name->setPlaceholderText(L(u"Název složky"_s));
    m_name->setAccessibleName(L(u"Název složky"_s));
    m_cancel->setText(L(u"Zrušit"_s));
    m_save->setText(L(u"Uložit"_s));
    m_save->updateGeometry();
}

void RenameFolderSheet::accept()
{
    const QString name = m_name->text();
    if (name.trimmed().isEmpty())
        return;
    m_context.model.renameFolder(m_folderID, name);
    QDialog::accept();
}
