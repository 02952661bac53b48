// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;

// What the overview shows when projects exist but none has the chosen status.
class NoMatchView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NoMatchView)

public:
    explicit NoMatchView(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_text;
};
