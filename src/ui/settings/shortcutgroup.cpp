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
#include "ui/desktop/uicontext.h"
#include "ui/settings/shortcutrecorder.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ShortcutGroup::ShortcutGroup(UiContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_box(new SectionBox)
    , m_text(new QLabel)
    , m_keys(new QLabel)
    , m_recorder(new ShortcutRecorder)
    , m_switch(new ToggleSwitch)
    , m_hint(new QLabel)
    , m_note(new SymbolLabel(u"exclamationmark.triangle"_s))
{
    m_text->setFont(Typography::font(12.5));
    m_text->setWordWrap(true);
    m_keys->setObjectName(u"settingsShortcutKeys"_s);
    m_keys->setFont(Typography::monospace(11));
    Colors::setTextColor(*m_keys, Colors::secondary(palette()));
    m_recorder->setObjectName(u"settingsShortcutRecorder"_s);
    m_recorder->setFont(Typography::font(11));
    m_switch->setObjectName(u"settingsShortcutSwitch"_s);
    m_switch->setChecked(context.preferences.globalHotkeyEnabled());
    m_hint->setObjectName(u"settingsShortcutHint"_s);
    m_hint->setFont(Typography::font(11));
    m_hint->setWordWrap(true);
    m_hint->hide();
    Colors::setTextColor(*m_hint, Colors::secondary(palette()));
    m_note->setObjectName(u"settingsShortcutNote"_s);
    m_note->setFont(Typography::font(11));
    const QColor orange = Colors::named(u"orange"_s, palette());
    m_note->setSymbolColor(orange);
    m_note->setTextColor(Colors::secondary(palette()));

    auto *keys = new QHBoxLayout;
    keys->setSpacing(10);
    keys->addWidget(m_keys);
    keys->addWidget(m_recorder);
    keys->addStretch(1);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(m_text);
    texts->addLayout(keys);
    auto *row = new QHBoxLayout;
    row->addLayout(texts, 1);
    row->addWidget(m_switch, 0, Qt::AlignVCenter);
    m_box->contentLayout()->addLayout(row);
    m_box->contentLayout()->addWidget(m_hint);
    m_box->contentLayout()->addWidget(m_note);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);

    connect(m_switch, &QAbstractButton::toggled, this, &ShortcutGroup::setSwitchedOn);
    connect(m_recorder, &ShortcutRecorder::recordingChanged, this, [this](bool recording) {
        m_refusal.reset();
        m_hint->setVisible(recording);
        retranslate();
    });
    connect(m_recorder, &ShortcutRecorder::refused, this, [this](HotKeyChord::Problem problem) {
        m_refusal = problem;
        retranslate();
    });
    connect(m_recorder, &ShortcutRecorder::recorded, this, &ShortcutGroup::setChord);
    // The desktop may answer a request later than the switch was flipped, and may bind
    // another chord than the one asked for.
    GlobalHotKeyManager &hotKey = context.hotKey;
    connect(&hotKey, &GlobalHotKeyManager::stateChanged, this, &ShortcutGroup::retranslate);
    connect(&hotKey, &GlobalHotKeyManager::boundTriggerChanged, this, &ShortcutGroup::retranslate);
    connect(&hotKey, &GlobalHotKeyManager::availabilityChanged, this, &ShortcutGroup::retranslate);
    connect(&context.preferences, &Preferences::globalHotkeyEnabledChanged, this,
            [this](bool enabled) {
                m_switch->setChecked(enabled);
                retranslate();
            });
    retranslate();
}

void ShortcutGroup::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ShortcutGroup::setSwitchedOn(bool on)
{
    m_context.preferences.setGlobalHotkeyEnabled(on);
    if (on)
        m_context.hotKey.registerHotKey();
    else
        m_context.hotKey.unregisterHotKey();
    retranslate();
}

void ShortcutGroup::setChord(QKeyCombination chord)
{
    m_context.preferences.setGlobalHotkey(HotKeyChord::toStored(chord));
    m_context.hotKey.setChord(chord); // answered at once where the desktop can
    retranslate();
}

void ShortcutGroup::retranslate()
{
    const GlobalHotKeyManager &hotKey = m_context.hotKey;
    using State = GlobalHotKeyManager::State;
    const bool available = hotKey.isAvailable() && hotKey.state() != State::Unsupported;
    m_box->setTitle(L(u"Klávesová zkratka"_s));
    m_text->setText(L(u"Vyvolat hlavní okno odkudkoliv"_s));
    m_switch->setAccessibleName(L(u"Vyvolat hlavní okno odkudkoliv"_s));
    const QString keys = hotKey.boundTrigger().isEmpty() ? HotKeyChord::displayText(hotKey.chord())
                                                         : hotKey.boundTrigger();
    m_keys->setText(keys);
    m_keys->setAccessibleName(keys);
    m_recorder->setEnabled(available);
    m_recorder->setText(m_recorder->isRecording() ? L(u"Zrušit"_s) : L(u"Změnit…"_s));
    m_recorder->setAccessibleName(m_recorder->isRecording() ? L(u"Zrušit"_s)
                                                            : L(u"Změnit zkratku"_s));
    m_hint->setText(L(u"Stiskni novou zkratku s Ctrl, Alt nebo Super. Esc zruší."_s));

    QString note;
    if (!available)
        note = L(u"Klávesová zkratka není v tomto prostředí dostupná."_s);
    else if (m_refusal == HotKeyChord::Problem::NoModifier)
        note = L(u"Zkratka potřebuje Ctrl, Alt nebo Super."_s);
    else if (m_refusal == HotKeyChord::Problem::UnsupportedKey)
        note = L(u"Tuhle klávesu nejde použít. Zkus písmeno, číslici nebo F1–F24."_s);
    else if (hotKey.state() == State::Refused)
        note = L(u"Zkratku teď používá jiná aplikace."_s);
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}
