// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/hotkeychord.h"

#include <QWidget>

#include <optional>

class QLabel;
class SectionBox;
class ShortcutRecorder;
class SymbolLabel;
class ToggleSwitch;
struct UiContext;

// The global shortcut that summons the main window: its chord with a button to record a new
// one, and the switch. On asks the desktop for it at once, off releases it; a new chord is
// stored and asked for at once. Where the desktop offers no global shortcuts, or refuses this
// one, it says so when the desktop answers; the preferences are stored either way. Where the
// desktop lets the user pick the chord (the portal), it shows what the desktop bound.
class ShortcutGroup final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShortcutGroup)

public:
    explicit ShortcutGroup(UiContext &context, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void setSwitchedOn(bool on);
    void setChord(QKeyCombination chord);

    UiContext &m_context;
    SectionBox *m_box;
    QLabel *m_text;
    QLabel *m_keys;
    ShortcutRecorder *m_recorder;
    ToggleSwitch *m_switch;
    QLabel *m_hint;
    SymbolLabel *m_note;
    std::optional<HotKeyChord::Problem> m_refusal; // of the chord last pressed while recording
};
