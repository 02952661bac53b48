// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;
class SectionBox;
class SymbolLabel;
class ToggleSwitch;
struct UiContext;

// The global shortcut that summons the main window: on asks the desktop for it at once, off
// releases it. Where the desktop offers no global shortcuts (Wayland), or another application
// holds this one, it says so when the desktop answers; the preference is stored either way.
class ShortcutGroup final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShortcutGroup)

public:
    explicit ShortcutGroup(UiContext &context, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void setEnabled(bool enabled);

    UiContext &m_context;
    SectionBox *m_box;
    QLabel *m_text;
    QLabel *m_keys;
    ToggleSwitch *m_switch;
    SymbolLabel *m_note;
};
