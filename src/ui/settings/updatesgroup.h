// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class SectionBox;
struct UiContext;

// The running version, the newest one known, and the button that checks again.
class UpdatesGroup final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdatesGroup)

public:
    explicit UpdatesGroup(UiContext &context, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void check();

    UiContext &m_context;
    SectionBox *m_box;
    QLabel *m_version;
    QLabel *m_available;
    QPushButton *m_check;
    bool m_checking = false;
};
