// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;
class SectionBox;
class SymbolLabel;
class ToggleSwitch;
struct UiContext;

// Starting at login: a switch that writes or removes the desktop's autostart entry. It shows
// the entry as it is on disk, read again whenever the sheet comes back to the front, and says
// so when the entry cannot be changed.
class AutostartGroup final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AutostartGroup)

public:
    explicit AutostartGroup(UiContext &context, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;

private:
    void retranslate();
    void syncSwitch();
    void applySwitch(bool enabled);

    UiContext &m_context;
    SectionBox *m_box;
    QLabel *m_text;
    QLabel *m_explanation;
    ToggleSwitch *m_switch;
    SymbolLabel *m_failure;
};
