// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class SectionBox;
class SegmentedControl;
class SymbolLabel;
struct UiContext;

// The interface language: its name and the CS / EN switch, effective at once everywhere.
class LanguageGroup final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LanguageGroup)

public:
    explicit LanguageGroup(UiContext &context, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    // The stored language: its name and its segment, none for an unknown stored value.
    void showChoice();

    UiContext &m_context;
    SectionBox *m_box;
    SymbolLabel *m_name;
    SegmentedControl *m_choice;
};
