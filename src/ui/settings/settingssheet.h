// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class ProminentButton;
class QLabel;
struct UiContext;

// Every setting in one sheet: language, updates, the three service tokens, the global
// shortcut, starting at login, auto-archiving and the data backup, with the folder the data
// lives in. Controls act at once; "Hotovo" closes.
class SettingsSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsSheet)

public:
    explicit SettingsSheet(UiContext &context, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    UiContext &m_context;
    QLabel *m_title;
    QLabel *m_dataFolder;
    ProminentButton *m_done;
};
