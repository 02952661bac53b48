// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;
class ProminentButton;
class WelcomeFeature;

// What the overview shows before any project is tracked: the badge, a greeting, three feature
// tiles and the button that opens the editor for the first project.
class WelcomeView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WelcomeView)

public:
    explicit WelcomeView(QWidget *parent = nullptr);

Q_SIGNALS:
    void addProjectRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_title;
    QLabel *m_text;
    WelcomeFeature *m_git;
    WelcomeFeature *m_deploys;
    WelcomeFeature *m_kanban;
    ProminentButton *m_add;
    QLabel *m_caption;
};
