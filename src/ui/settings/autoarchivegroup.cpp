// SPDX-License-Identifier: MIT
#include "ui/settings/autoarchivegroup.h"

#include "i18n/localization.h"
#include "i18n/plural.h"
#include "services/preferences.h"
#include "ui/components/sectionbox.h"
#include "ui/components/toggleswitch.h"
#include "ui/desktop/uicontext.h"
#include "ui/settings/switchrow.h"

#include <QEvent>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AutoArchiveGroup::AutoArchiveGroup(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_box(new SectionBox)
    , m_text(new QLabel)
    , m_explanation(new QLabel)
    , m_switch(new ToggleSwitch)
    , m_days(new QSpinBox)
{
    Preferences &preferences = context.preferences;
    m_switch->setObjectName(u"settingsAutoArchiveSwitch"_s);
    m_switch->setChecked(preferences.autoArchiveEnabled());
    m_days->setObjectName(u"settingsAutoArchiveDays"_s);
    m_days->setRange(1, 90);
    m_days->setSingleStep(1);
    m_days->setValue(preferences.autoArchiveDays());
    m_days->setVisible(preferences.autoArchiveEnabled());

    m_box->contentLayout()->addLayout(switchRow(m_text, m_explanation, m_switch));
    m_box->contentLayout()->addWidget(m_days, 0, Qt::AlignLeft);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);

    connect(m_switch, &QAbstractButton::toggled, this, [this](bool on) {
        m_context.preferences.setAutoArchiveEnabled(on);
        m_days->setVisible(on); // off keeps the stored number of days
    });
    connect(m_days, &QSpinBox::valueChanged, this, [this](int days) {
        m_context.preferences.setAutoArchiveDays(days);
        retranslate(); // the spoken name carries the number of days
    });
    retranslate();
}

void AutoArchiveGroup::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void AutoArchiveGroup::retranslate()
{
    m_box->setTitle(L(u"Úklid kanbanu"_s));
    m_text->setText(L(u"Automaticky archivovat dokončené karty"_s));
    m_switch->setAccessibleName(m_text->text());
    m_explanation->setText(L(u"Sloupec Hotovo jinak roste do nekonečna. Archivované karty nezmizí, "
                             u"jen se schovají z aktivního kanbanu."_s));
    // "Po 1 dni", "Po 2 dnech": the noun agrees with the number in both languages.
    const int days = m_days->value();
    const QString unit = L(Plural::czechForm(days, u"dni"_s, u"dnech"_s, u"dnech"_s));
    m_days->setPrefix(L(u"Po"_s) + u' ');
    m_days->setSuffix(u' ' + unit);
    m_days->setAccessibleName(L(u"Po"_s) + u' ' + QString::number(days) + u' ' + unit);
}
