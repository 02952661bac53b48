// SPDX-License-Identifier: MIT
#include "ui/settings/shortcutgroup.h"

#include "i18n/localization.h"
#include "services/preferences.h"
#include "ui/components/colors.h"
#include "ui/components/sectionbox.h"
#include "ui/components/symbollabel.h"
#include "ui/components/toggleswitch.h"
#include "ui/components/typography.h"
#include "ui/desktop/globalhotkeymanager.h"
#include "ui/desktop/hotkeychord.h"
#include "ui/desktop/uicontext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ShortcutGroup::ShortcutGroup(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_box(new SectionBox)
    , m_text(new QLabel)
    , m_keys(new QLabel(HotKeyChord::displayText(context.hotKey.chord())))
    , m_switch(new ToggleSwitch)
    , m_note(new SymbolLabel(u"exclamationmark.triangle"_s))
{
    m_text->setFont(Typography::font(12.5));
    m_text->setWordWrap(true);
    m_keys->setFont(Typography::monospace(11));
    Colors::setTextColor(*m_keys, Colors::secondary(palette()));
    m_switch->setObjectName(u"settingsShortcutSwitch"_s);
    m_switch->setChecked(context.preferences.globalHotkeyEnabled());
    m_note->setObjectName(u"settingsShortcutNote"_s);
    m_note->setFont(Typography::font(11));
    const QColor orange = Colors::named(u"orange"_s, palette());
    m_note->setSymbolColor(orange);
    m_note->setTextColor(Colors::secondary(palette()));

    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(m_text);
    texts->addWidget(m_keys);
    auto *row = new QHBoxLayout;
    row->addLayout(texts, 1);
    row->addWidget(m_switch, 0, Qt::AlignVCenter);
    m_box->contentLayout()->addLayout(row);
    m_box->contentLayout()->addWidget(m_note);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);

    connect(m_switch, &QAbstractButton::toggled, this, &ShortcutGroup::setEnabled);
    // The desktop may answer a request later than the switch was flipped.
    connect(&context.hotKey, &GlobalHotKeyManager::stateChanged, this, &ShortcutGroup::retranslate);
    connect(&context.preferences, &Preferences::globalHotkeyEnabledChanged, this,
            [this](bool enabled) {
                m_switch->setChecked(enabled);
                retranslate();
            });
    connect(&context.preferences, &Preferences::languageChanged, this, &ShortcutGroup::retranslate);
    retranslate();
}

void ShortcutGroup::setEnabled(bool enabled)
{
    m_context.preferences.setGlobalHotkeyEnabled(enabled);
    if (enabled)
        m_context.hotKey.registerHotKey();
    else
        m_context.hotKey.unregisterHotKey();
    retranslate();
}

void ShortcutGroup::retranslate()
{
    m_box->setTitle(L(u"Klávesová zkratka"_s));
    m_text->setText(L(u"Vyvolat hlavní okno odkudkoliv"_s));
    m_switch->setAccessibleName(L(u"Vyvolat hlavní okno odkudkoliv"_s));
    const GlobalHotKeyManager &hotKey = m_context.hotKey;
    using State = GlobalHotKeyManager::State;
    QString note;
    if (!hotKey.isAvailable() || hotKey.state() == State::Unsupported)
        note = L(u"Klávesová zkratka není v tomto prostředí dostupná."_s);
    else if (hotKey.state() == State::Refused)
        note = L(u"Zkratku teď používá jiná aplikace."_s);
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}
