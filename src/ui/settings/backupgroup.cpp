// SPDX-License-Identifier: MIT
#include "ui/settings/backupgroup.h"

#include "app/appmodel.h"
#include "app/backupfiles.h"
#include "i18n/formatters.h"
#include "i18n/localization.h"
#include "ui/components/colors.h"
#include "ui/components/confirmation.h"
#include "ui/components/elidedlabel.h"
#include "ui/components/sectionbox.h"
#include "ui/components/typography.h"
#include "ui/desktop/filechooser.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

BackupGroup::BackupGroup(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_box(new SectionBox)
    , m_explanation(new QLabel)
    , m_export(new QPushButton)
    , m_restore(new QPushButton)
    , m_result(new QLabel)
{
    m_explanation->setFont(Typography::font(11));
    m_explanation->setWordWrap(true);
    Colors::setTextColor(*m_explanation, Colors::secondary(palette()));
    m_export->setObjectName(u"settingsExportButton"_s);
    m_export->setAutoDefault(false);
    m_restore->setObjectName(u"settingsRestoreButton"_s);
    m_restore->setAutoDefault(false);
    m_result->setObjectName(u"settingsBackupResult"_s);
    m_result->setFont(Typography::font(11));
    m_result->setWordWrap(true);
    m_result->hide();

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(m_export);
    buttons->addWidget(m_restore);
    buttons->addStretch(1);
    QVBoxLayout *content = m_box->contentLayout();
    content->setSpacing(8);
    content->addWidget(m_explanation);
    content->addLayout(buttons);
    content->addWidget(m_result);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);

    connect(m_export, &QPushButton::clicked, this, &BackupGroup::exportBackup);
    connect(m_restore, &QPushButton::clicked, this, &BackupGroup::chooseBackup);
    retranslate();
}

void BackupGroup::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void BackupGroup::retranslate()
{
    m_box->setTitle(L(u"Záloha dat"_s));
    m_explanation->setText(L(u"Projekty, karty, štítky a složky se uloží do jednoho souboru. "
                             u"Tokeny se neexportují a zůstávají jen v tomto počítači."_s));
    m_export->setText(L(u"Exportovat zálohu…"_s));
    m_restore->setText(L(u"Obnovit ze zálohy…"_s));
    // The system's reason follows on its own line, as the system gave it.
    QString result = m_resultCzech.isEmpty() ? QString() : L(m_resultCzech);
    if (!m_resultReason.isEmpty())
        result += u'\n' + ElidedLabel::singleLine(m_resultReason);
    m_result->setText(result);
}

void BackupGroup::setResult(const QString &czech, const std::optional<QString> &reason)
{
    m_resultCzech = czech;
    m_resultReason = reason.value_or(QString());
    m_result->setVisible(!czech.isEmpty());
    retranslate();
}

void BackupGroup::exportBackup()
{
    const QString fileName =
        u"Quaylin-zaloha-"_s + Formatters::filenameStamp(QDateTime::currentDateTime()) + u".json"_s;
    const auto chosen = [group = QPointer(this)](const QString &path) {
        if (!group)
            return;
        const FileResult saved = BackupFiles::exportBackup(group->m_context.model, path);
        group->setResult(saved.ok() ? u"Záloha uložena."_s : u"Zálohu se nepodařilo uložit."_s,
                         saved.error);
    };
    m_context.desktop.files->saveJsonFile(this, L(u"Exportovat zálohu"_s), fileName, chosen);
}

void BackupGroup::chooseBackup()
{
    const auto chosen = [group = QPointer(this)](const QString &path) {
        if (group)
            group->confirmRestore(path);
    };
    m_context.desktop.files->openJsonFile(this, L(u"Vybrat soubor zálohy"_s), chosen);
}

void BackupGroup::confirmRestore(const QString &path)
{
    const Confirmation::Texts texts{u"Obnovit ze zálohy?"_s,
                                    u"Tímhle se přepíšou všechny aktuální projekty a karty obsahem "
                                    u"vybraného souboru. Tuhle akci nejde vzít zpět."_s,
                                    u"Obnovit a přepsat aktuální data"_s};
    const auto restore = [group = QPointer(this), path] {
        if (!group)
            return;
        const FileResult restored = BackupFiles::importBackup(group->m_context.model, path);
        group->setResult(restored.ok() ? u"Záloha obnovena."_s : u"Soubor se nepodařilo načíst."_s,
                         restored.error);
    };
    Confirmation::ask(this, u"restoreBackupConfirmation"_s, texts, restore);
}
