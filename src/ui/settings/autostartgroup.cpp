// SPDX-License-Identifier: MIT
#include "ui/settings/autostartgroup.h"

#include "i18n/localization.h"
#include "ui/components/colors.h"
#include "ui/components/sectionbox.h"
#include "ui/components/symbollabel.h"
#include "ui/components/toggleswitch.h"
#include "ui/components/typography.h"
#include "ui/desktop/autostartentry.h"
#include "ui/desktop/uicontext.h"
#include "ui/settings/switchrow.h"

#include <QEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AutostartGroup::AutostartGroup(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_box(new SectionBox)
    , m_text(new QLabel)
    , m_explanation(new QLabel)
    , m_switch(new ToggleSwitch)
    , m_failure(new SymbolLabel(u"exclamationmark.triangle"_s))
{
    m_switch->setObjectName(u"settingsAutostartSwitch"_s);
    m_failure->setObjectName(u"settingsAutostartFailure"_s);
    m_failure->setFont(Typography::font(11));
    m_failure->setSymbolColor(Colors::named(u"orange"_s, palette()));
    m_failure->setTextColor(Colors::secondary(palette()));
    m_failure->hide();

    m_box->contentLayout()->addLayout(switchRow(m_text, m_explanation, m_switch));
    m_box->contentLayout()->addWidget(m_failure);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);

    syncSwitch();
    connect(m_switch, &QAbstractButton::toggled, this, &AutostartGroup::applySwitch);
    retranslate();
}

bool AutostartGroup::event(QEvent *event)
{
    // The user may have removed the entry by hand while the sheet was in the background.
    if (event->type() == QEvent::WindowActivate)
        syncSwitch();
    else if (event->type() == QEvent::LanguageChange)
        retranslate();
    return QWidget::event(event);
}

void AutostartGroup::syncSwitch()
{
    const QSignalBlocker quiet(m_switch);
    m_switch->setChecked(m_context.desktop.autostart->isEnabled());
}

void AutostartGroup::applySwitch(bool enabled)
{
    const FileResult result = m_context.desktop.autostart->setEnabled(enabled);
    m_failure->setVisible(!result.ok());
    m_failure->setToolTip(result.error.value_or(QString())); // the system's reason
    syncSwitch();
}

void AutostartGroup::retranslate()
{
    m_box->setTitle(L(u"Spuštění"_s));
    m_text->setText(L(u"Spouštět po přihlášení"_s));
    m_switch->setAccessibleName(m_text->text());
    m_explanation->setText(L(u"Quaylin se spustí v systémové liště, bez okna."_s));
    m_failure->setText(L(u"Spouštění po přihlášení se nepodařilo změnit."_s));
}
