// SPDX-License-Identifier: MIT
#include "ui/main/storenotices.h"

#include "app/appmodel.h"
#include "i18n/localization.h"
#include "ui/components/banner.h"
#include "ui/components/colors.h"
#include "ui/components/iconbutton.h"
#include "ui/desktop/uicontext.h"

#include <QEvent>
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
{
    setObjectName(u"storeNotices"_s);
    m_saveError->setObjectName(u"saveErrorBanner"_s);
    m_setAside->setObjectName(u"setAsideBanner"_s);
    m_closeSetAside->setObjectName(u"setAsideCloseButton"_s);
    m_setAside->addTrailingWidget(m_closeSetAside);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 0);
    layout->setSpacing(8);
    layout->addWidget(m_saveError);
    layout->addWidget(m_setAside);

    connect(m_closeSetAside, &QAbstractButton::clicked, this, [this] {
        m_setAsideClosed = true;
        refresh();
    });
    connect(&context.model.dataFile(), &DataFile::saveErrorChanged, this,
            &StoreNotices::retranslate);
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
    refresh();
}

void StoreNotices::refresh()
{
    const DataFile &file = m_context.model.dataFile();
    m_saveError->setVisible(file.saveError().has_value());
    m_setAside->setVisible(!file.setAsidePath().isEmpty() && !m_setAsideClosed);
    setVisible(m_saveError->isVisibleTo(this) || m_setAside->isVisibleTo(this));
}
