// SPDX-License-Identifier: MIT
#pragma once

#include "model/taskcard.h"

#include <QDialog>

struct UiContext;
class QLabel;
class QLineEdit;
class QPushButton;
class SymbolLabel;

// Offers a commit message for a card just finished: editable, copied to the clipboard on
// request ("Zkopírováno" from then until it closes). Closing it in any way is the owner's cue to
// clear the model's suggestion.
class CommitSuggestionSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommitSuggestionSheet)

public:
    explicit CommitSuggestionSheet(UiContext &context, QWidget *parent = nullptr);

    // Starts afresh for `card`: its suggested message, not copied yet.
    void present(const TaskCard &card);
    QUuid cardID() const { return m_card.id; }
    QString message() const;
    bool isCopied() const { return m_copied; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void copy();

    UiContext &m_context;
    TaskCard m_card;
    bool m_copied = false;
    SymbolLabel *m_heading;
    QLabel *m_explanation;
    QLineEdit *m_message;
    QPushButton *m_copy;
    QPushButton *m_close;
};
