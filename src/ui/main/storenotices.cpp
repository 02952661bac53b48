// SPDX-License-Identifier: MIT
#include "ui/main/storenotices.h"

#include "app/appmodel.h"
#include "app/unsavedcopies.h"
#include "i18n/localization.h"
#include "ui/components/banner.h"
#include "ui/components/colors.h"
#include "ui/components/iconbutton.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

StoreNotices::StoreNotices(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_saveError(
          new Banner(u"exclamationmark.triangle.fill"_s, Colors::named(u"red"_s, palette())))
    , m_setAside(
          new Banner(u"exclamationmark.circle.fill"_s, Colors::named(u"orange"_s, palette())))
    , m_closeSetAside(new IconButton(u"xmark"_s))
    , m_otherVersion(
          new Banner(u"exclamationmark.circle.fill"_s, Colors::named(u"orange"_s, palette())))
    , m_closeOtherVersion(new IconButton(u"xmark"_s))
    , m_unsavedCopy(
          new Banner(u"exclamationmark.circle.fill"_s, Colors::named(u"orange"_s, palette())))
    , m_restoreCopy(new QPushButton)
    , m_closeUnsavedCopy(new IconButton(u"xmark"_s))
    , m_unsavedCopyPath(UnsavedCopies::found().value(0))
{
    setObjectName(u"storeNotices"_s);
    m_saveError->setObjectName(u"saveErrorBanner"_s);
    m_setAside->setObjectName(u"setAsideBanner"_s);
    m_closeSetAside->setObjectName(u"setAsideCloseButton"_s);
    m_setAside->addTrailingWidget(m_closeSetAside);
    m_otherVersion->setObjectName(u"otherVersionBanner"_s);
    m_closeOtherVersion->setObjectName(u"otherVersionCloseButton"_s);
    m_otherVersion->addTrailingWidget(m_closeOtherVersion);
    m_unsavedCopy->setObjectName(u"unsavedCopyBanner"_s);
    m_restoreCopy->setObjectName(u"restoreUnsavedCopyButton"_s);
    m_closeUnsavedCopy->setObjectName(u"unsavedCopyCloseButton"_s);
    m_unsavedCopy->addTrailingWidget(m_restoreCopy);
    m_unsavedCopy->addTrailingWidget(m_closeUnsavedCopy);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 0);
    layout->setSpacing(8);
    layout->addWidget(m_saveError);
    layout->addWidget(m_setAside);
    layout->addWidget(m_otherVersion);
    layout->addWidget(m_unsavedCopy);

    connect(m_closeSetAside, &QAbstractButton::clicked, this, [this] {
        m_setAsideClosed = true;
        refresh();
    });
    connect(m_closeOtherVersion, &QAbstractButton::clicked, this, [this] {
        m_otherVersionClosed = true;
        refresh();
    });
    connect(m_closeUnsavedCopy, &QAbstractButton::clicked, this, [this] {
        m_unsavedCopyPath.clear(); // the copy stays where it is
        refresh();
    });
    connect(m_restoreCopy, &QAbstractButton::clicked, this, [this] {
        const FileResult result = UnsavedCopies::restore(m_context.model, m_unsavedCopyPath);
        if (!result.ok()) {
            m_unsavedCopy->setText(*result.error);
            return;
        }
        m_unsavedCopyPath.clear();
        refresh();
    });
    connect(&context.model.dataFile(), &DataFile::saveErrorChanged, this,
            &StoreNotices::retranslate);
    connect(&context.model.dataFile(), &DataFile::otherVersionKept, this, [this] {
        m_otherVersionClosed = false; // a new version kept is news again
        retranslate();
    });
    retranslate();
}

void StoreNotices::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void StoreNotices::retranslate()
{
    const DataFile &file = m_context.model.dataFile();
    m_saveError->setTitle(L(u"Změny se nepodařilo uložit"_s));
    // The model's reason names the data file and what the system said.
    m_saveError->setText(file.saveError().value_or(QString()) + u'\n' +
                         L(u"Zkontroluj volné místo na disku a oprávnění ke složce."_s));
    m_setAside->setTitle(L(u"Datový soubor se nepodařilo přečíst"_s));
    m_setAside->setText(L(u"Quaylin začal s prázdnými daty. Původní soubor je uschovaný v:"_s) +
                        u' ' + file.setAsidePath());
    m_closeSetAside->setHelp(L(u"Zavřít"_s));
    m_otherVersion->setTitle(L(u"Datový soubor změnil jiný program"_s));
    m_otherVersion->setText(
        L(u"Tvoje změny jsou uložené. Verze jiného programu je uschovaná v:"_s) + u' ' +
        file.keptOtherVersionPath());
    m_closeOtherVersion->setHelp(L(u"Zavřít"_s));
    m_unsavedCopy->setTitle(L(u"Neuložené změny z minulého běhu"_s));
    m_unsavedCopy->setText(L(u"Quaylin je nemohl uložit, když končil. Kopie je v:"_s) + u' ' +
                           m_unsavedCopyPath);
    m_restoreCopy->setText(L(u"Obnovit změny"_s));
    m_closeUnsavedCopy->setHelp(L(u"Zavřít"_s));
    refresh();
}

void StoreNotices::refresh()
{
    const DataFile &file = m_context.model.dataFile();
    m_saveError->setVisible(file.saveError().has_value());
    m_setAside->setVisible(!file.setAsidePath().isEmpty() && !m_setAsideClosed);
    m_otherVersion->setVisible(!file.keptOtherVersionPath().isEmpty() && !m_otherVersionClosed);
    m_unsavedCopy->setVisible(!m_unsavedCopyPath.isEmpty());
    setVisible(m_saveError->isVisibleTo(this) || m_setAside->isVisibleTo(this) ||
               m_otherVersion->isVisibleTo(this) || m_unsavedCopy->isVisibleTo(this));
}
