// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;
class QSpinBox;
class SectionBox;
class ToggleSwitch;
struct UiContext;

// Automatic archiving of finished cards: the switch, and while it is on, after how many days
// (1 to 90). Only stores the preferences; the model does the archiving.
class AutoArchiveGroup final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AutoArchiveGroup)

public:
    explicit AutoArchiveGroup(UiContext &context, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    UiContext &m_context;
    SectionBox *m_box;
    QLabel *m_text;
    QLabel *m_explanation;
    ToggleSwitch *m_switch;
    QSpinBox *m_days;
};
